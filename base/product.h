#pragma once

// The product's name as every window and message box of the tool shows it.
constexpr const char* kProductCaption = "Veltrane Sealwick";

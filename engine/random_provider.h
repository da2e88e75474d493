#pragma once

// Gives qpdf random data from the system's preferred generator. qpdf's own Windows source
// acquires a crypto context for every AES stream, which makes image-heavy files many times
// slower to protect. Safe to call more than once; the provider is installed on the first call.
void InstallSystemRandomProvider();

#pragma once

// Texts of the about box and of the offer shown on exit. Each lives here only.

// The version line under the product's title: the four numbers of the version resource and
// the program's bitness.
constexpr const char* kAboutVersionFormat = "Version %u.%u.%u.%u (%s)";
constexpr const char* kBitness64 = "64-bit";
constexpr const char* kBitness32 = "32-bit";

// The page of the product the offer's picture advertises.
constexpr const char* kOfferProductUrl = "https://www.veltrane.example/foliomerge/";

#pragma once
// The builder's fixed version information.
namespace tmb::version {

constexpr const char* kInternalName = "TMB";          // base name of the settings file and its version section
constexpr const char* kFileVersion = "1.0.1.0";
constexpr const char* kProductName = "Tamberlin";
constexpr const char* kLegalNotice = "Copyright (c) the Tamberlin developers";
constexpr const char* kComments = "ARM Powered ZX Spectrum Emulator for the GBA (tm)";

}  // namespace tmb::version

#pragma once
// The builds' texts, exactly as users know them. "\r" is a line break.
namespace tmb::messages {

constexpr const char* kNoRoms = "No ROMS selected!\rThis will create a PogoShell resource.";
constexpr const char* kNoPath =
    "You have not setup a path for this binary!\rPlease check the Options-->Settings menu option.";
constexpr const char* kReplaceImage = "TMB binary already exists.\rReplace?";
constexpr const char* kReplacePlugin = "TMB Pogoshell binary already exists.\rReplace?";
constexpr const char* kImageCreated = "TMB binary created. Have fun!";
constexpr const char* kPluginCreated = "TMB4POGO binary created. Have fun!";

constexpr const char* kWarningCaption = "Warning";
constexpr const char* kErrorBangCaption = "ERROR!";
constexpr const char* kTmbCaption = "TMB";

}  // namespace tmb::messages

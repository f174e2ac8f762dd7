#pragma once

// The calculator's naming rules, written once: the link's name conversion, the session's
// constants (and through them the windows) and the command-line tool all read them here.
namespace CalcRules {
// A file name is a base of at most 14 characters, a dot and an extension of at most 3.
inline constexpr int maxBaseLength = 14;
inline constexpr int maxExtensionLength = 3;
inline constexpr int maxFileNameLength = maxBaseLength + 1 + maxExtensionLength;
// The calculator's own name.
inline constexpr int maxCalcNameLength = 16;
} // namespace CalcRules

#pragma once

/// Tolvik's exit codes. pkexec itself answers 126 and 127 for a refused authorisation, so the
/// helper never uses those.
namespace TolvikExitCode {
inline constexpr int Done = 0;
/// Too much was left in the Trash folders; the warning was shown or, without a display, logged.
inline constexpr int Warned = 2;
/// Started by pkexec without a usable PKEXEC_UID: nothing was touched.
inline constexpr int Refused = 3;
/// Arguments that name no entries in the one form Corvane writes: nothing was touched.
inline constexpr int Usage = 4;
}  // namespace TolvikExitCode

#pragma once

#include <QMap>
#include <QString>

struct VersionTriple {
    int major = 10;
    int minor = 0;
    int bugFix = 0;
};

/// The system-version query. On Linux there is no macOS version to report: `reportsMacOS()` is
/// false and every selector fails, so the caller hands out 10.0.0 without logging. Tests inject
/// selector values to exercise the decoding and the probe.
class SystemVersion {
  public:
    static constexpr long kUndefinedSelector = -5551;
    virtual ~SystemVersion() = default;

    virtual bool reportsMacOS() const { return false; }
    /// Answers a four-letter selector ("sysv", "sys1", "sys2", "sys3"): 0 and `*value` on success,
    /// an error code otherwise.
    virtual long gestalt(const QString& selector, int* value) const;

    /// The version as the four selectors give it; `error` receives the failing code (0 if none).
    VersionTriple query(long* error) const;
    /// Binary-coded decimal of a "sysv" value at most 0x103F: 0x1093 is 10.9.3.
    static VersionTriple decodeBCD(int value);
};

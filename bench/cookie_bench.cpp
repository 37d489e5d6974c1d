// cookie_bench [COOKIES]: reading, exporting and sorting 100,000 cookies (or COOKIES) of each kind.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

#include "BestOf.h"
#include "cookies/BinaryCookieReader.h"
#include "cookies/CookieDatabase.h"
#include "cookies/CookieExport.h"
#include "cookies/CookieTableModel.h"
#include "support/CookieFixtures.h"

using namespace CookieFixtures;

namespace {

void report(const char* what, double seconds, double targetMs, qsizetype count) {
    std::printf("| %-44s | %8.1f ms | under %3.0f ms | %lld rows |\n", what, seconds * 1000, targetMs,
                static_cast<long long>(count));
}

// Like bestSeconds, but the previous run's records are freed before each timing, not inside it.
template <typename F>
double bestRead(int runs, CookieList& into, F read) {
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        into = CookieList();
        QElapsedTimer timer;
        timer.start();
        CookieList result = read();
        best = std::min(best, timer.nsecsElapsed() / 1e9);
        into = std::move(result);
    }
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int n = argc > 1 ? std::atoi(argv[1]) : 100000;
    QTemporaryDir dir;
    const int runs = 5;

    QList<BinaryCookie> binary;
    QList<ChromeCookie> chrome;
    QList<FirefoxCookie> firefox;
    for (int i = 0; i < n; ++i) {
        const QByteArray host = ".site" + QByteArray::number(i % 5000) + ".example";
        const QByteArray name = "cookie" + QByteArray::number(i);
        const QByteArray value = "value-" + QByteArray::number(i * 7919) + "-abcdefghij";
        binary << BinaryCookie{host, name, "/", value, quint32(i % 6), 800000000.0 + i};
        ChromeCookie c;
        c.host = host;
        c.name = name;
        c.value = value;
        c.expiresUtc = chromeTime(1830000000LL + i);
        chrome << c;
        FirefoxCookie f;
        f.host = host;
        f.name = name;
        f.value = value;
        f.expiry = (1830000000LL + i) * 1000;
        firefox << f;
    }
    const QString binaryPath = dir.filePath("Cookies.binarycookies");
    QFile file(binaryPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(binaryFileOf(binary, 1000)) < 0) return 1;
    file.close();
    const QString chromePath = dir.filePath("Cookies");
    const QString firefoxPath = dir.filePath("cookies.sqlite");
    if (!writeChromeDatabase(chromePath, chrome) || !writeFirefoxDatabase(firefoxPath, firefox)) return 1;

    std::printf("| what | best of %d | target | size |\n|---|---|---|---|\n", runs);
    CookieList read;
    double t =
        bestSeconds(runs, [&] { read = BinaryCookieReader::ReadCookBinaryFileWithPath(binaryPath).cookies; });
    report("binary cookie file read", t, 100, read.size());
    CookieList fromChrome;
    t = bestRead(runs, fromChrome, [&] { return CookieDatabase::read(chromePath).cookies; });
    report("Chrome database read and v10 values decrypted", t, 300, fromChrome.size());
    CookieList fromFirefox;
    t = bestRead(runs, fromFirefox, [&] { return CookieDatabase::read(firefoxPath).cookies; });
    report("Firefox database read", t, 300, fromFirefox.size());
    t = bestSeconds(runs, [&] {
        PRRtfController builder;
        for (const PRCookFileNode& c : std::as_const(fromChrome))
            builder.addRtfContent(PRRtfController::lineFor(c));
        builder.writeRtfInPath(dir.path(), QStringLiteral("Note"));
    });
    report("export as text (cookiedata.txt)", t, 200, fromChrome.size());
    t = bestSeconds(runs, [&] {
        CookieExport::writePrivateFile(dir.filePath("cookies.txt"), CookieExport::netscapeText(fromChrome));
    });
    report("export as cookies.txt", t, 200, fromChrome.size());
    CookieTableModel model;
    t = bestSeconds(runs, [&] { model.setCookies(fromChrome); });
    report("table filled", t, 100, model.rowCount());
    report("table sorted by website",
           bestSeconds(runs,
                       [&] {
                           model.setCookies(fromChrome);
                           model.sort(CookieTableModel::Website, Qt::DescendingOrder);
                       }),
           100, model.rowCount());
    report("table sorted by expiry",
           bestSeconds(runs,
                       [&] {
                           model.setCookies(fromChrome);
                           model.sort(CookieTableModel::Expires, Qt::DescendingOrder);
                       }),
           100, model.rowCount());
    return read.size() == n && fromChrome.size() == n && fromFirefox.size() == n ? 0 : 1;
}

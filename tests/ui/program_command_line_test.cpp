// The desktop program's command line (parsed before any window exists) and its icon, which
// must be the picture the desktop menu shows.

#include "ui/app/artwork.h"
#include "ui/app/program_command_line.h"

#include <QImage>
#include <QtTest>

class ProgramCommandLineTest : public QObject {
    Q_OBJECT

    static ProgramCommandLine Parse(const QStringList &arguments) {
        return ParseProgramCommandLine(QStringList{"dpmr-cps"} + arguments);
    }

private slots:
    void initTestCase() {
        QCoreApplication::setApplicationName("dpmr-cps");
        QCoreApplication::setApplicationVersion("1.5.4");
    }

    void aFileOrNothingRuns() {
        ProgramCommandLine line = Parse({});
        QVERIFY(line.run);
        QVERIFY(line.files.isEmpty());
        line = Parse({"/tmp/fleet.dat"});
        QVERIFY(line.run);
        QCOMPARE(line.files, QStringList{"/tmp/fleet.dat"});
        // A file whose name starts with a dash, after "--".
        line = Parse({"--", "-odd.dat"});
        QVERIFY(line.run);
        QCOMPARE(line.files, QStringList{"-odd.dat"});
    }

    void qtsOwnOptionsAreLeftToQt() {
        const ProgramCommandLine line =
            Parse({"-platform", "offscreen", "-style", "Fusion", "-reverse", "fleet.dat"});
        QVERIFY2(line.run, qPrintable(line.error));
        QCOMPARE(line.files, QStringList{"fleet.dat"});
    }

    void helpAndVersionAnswerOnStdout() {
        for (const char *option : {"--help", "-h"}) {
            const ProgramCommandLine line = Parse({option});
            QVERIFY(!line.run);
            QCOMPARE(line.exitCode, 0);
            QVERIFY(line.output.startsWith("Usage: dpmr-cps [options] [FILE]"));
            QVERIFY(!line.output.contains("platform")); // Qt's options stay out of the help
            QVERIFY(line.error.isEmpty());
        }
        const ProgramCommandLine line = Parse({"--version", "fleet.dat"});
        QVERIFY(!line.run);
        QCOMPARE(line.output.section('\n', 0, 0), QString("dpmr-cps 1.5.4"));
        QVERIFY(line.output.contains("GPL-3.0-or-later"));
    }

    void mistakesAreUsageErrors() {
        ProgramCommandLine line = Parse({"--open", "fleet.dat"});
        QVERIFY(!line.run);
        QCOMPARE(line.exitCode, 2);
        QVERIFY(line.output.isEmpty());
        QVERIFY2(line.error.contains("'open'"), qPrintable(line.error));
        line = Parse({"a.dat", "b.dat"});
        QVERIFY(!line.run);
        QCOMPARE(line.exitCode, 2);
        QVERIFY(line.error.contains("one FILE at most"));
        line = Parse({"-platform"}); // Qt's option without its value
        QVERIFY(!line.run);
        QCOMPARE(line.exitCode, 2);
    }

    void theWindowIconIsTheMenuIcon() {
        const QIcon icon = ApplicationIcon();
        QCOMPARE(icon.availableSizes().size(), 6);
        for (const int size : {16, 48, 256}) {
            const QImage menu(
                QFINDTESTDATA(QString("../../packaging/icons/dpmr-cps-%1.png").arg(size)));
            QVERIFY(!menu.isNull());
            // Compared premultiplied, as the window system gets it.
            const auto format = QImage::Format_ARGB32_Premultiplied;
            const QImage window = icon.pixmap(size, size).toImage().convertToFormat(format);
            QCOMPARE(window.size(), QSize(size, size));
            QCOMPARE(window, menu.convertToFormat(format));
        }
    }
};

QTEST_MAIN(ProgramCommandLineTest)
#include "program_command_line_test.moc"

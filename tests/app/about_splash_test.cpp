// The about dialog, the splash sequence, the help file and the end sound.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextEdit>
#include <QTreeWidget>

#include "about/about_dialog.hpp"
#include "about/version_record.hpp"
#include "app_test_support.hpp"
#include "environment/help_file.hpp"
#include "hardware/programming_run.hpp"
#include "help/help_window.hpp"
#include "resources/resource_store.hpp"
#include "sound/wave_file.hpp"
#include "splash/splash_window.hpp"

using namespace vertanum;
using namespace vertanum::app;

class AboutSplashTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { testing::QuietOffscreenWarnings(); }

    void aboutEntries() {
        TfrmAbout about;
        QCOMPARE(about.windowTitle(), QString("О программе"));
        QCOMPARE(about.size(), QSize(513, 402));
        const QStringList keys{"CompanyName",      "FileDescription", "FileVersion",
                               "InternalName",     "LegalCopyright",  "LegalTrademarks",
                               "OriginalFilename", "ProductName",     "ProductVersion",
                               "Comments",         "BuildFlags"};
        QCOMPARE(about.lstVersion()->topLevelItemCount(), 11);
        for (int i = 0; i < 11; ++i) {
            const QTreeWidgetItem* item = about.lstVersion()->topLevelItem(i);
            QCOMPARE(item->toolTip(0), keys[i]);
            QVERIFY2(!item->text(1).isEmpty(), qPrintable(keys[i]));
        }
        QCOMPARE(about.lstVersion()->topLevelItem(2)->text(1), QString("1.0.0"));
        QVERIFY(about.News()->isReadOnly());
        QVERIFY(about.News()->toPlainText().contains("Версия 1.0.0"));
        QVERIFY(!about.lblLink()->text().isEmpty());
    }

    void splashSequence() {
        int stops = 0;
        SplashSequence splash([&stops] { ++stops; });
        splash.Tick();  // Tag 0
        QVERIFY(splash.Window() != nullptr);
        QVERIFY(!splash.Window()->isVisible());
        QCOMPARE(splash.Window()->size(), QSize(442, 190));
        for (int tag = 1; tag <= 5; ++tag) splash.Tick();
        QVERIFY(splash.Window()->isVisible());
        for (int tag = 6; tag < 100; ++tag) splash.Tick();
        QVERIFY(splash.Window() != nullptr);
        QCOMPARE(stops, 0);
        splash.Tick();  // Tag 100
        QVERIFY(splash.Window() == nullptr);
        QCOMPARE(stops, 1);
        const TfrmMainStart window;
        const auto* title = window.findChild<QLabel*>("lblTitle");
        QCOMPARE(title->text(), QString("Вертанум приборов и модулей\n\"Ливенор\""));
    }

    void helpFileWrittenAndRemoved() {
        QTemporaryDir dir;
        const QString folder = dir.filePath("help");
        HelpFile help(folder);
        QVERIFY(help.Write());
        QVERIFY(QFile::exists(help.Path()));
        QFile manual(help.Path());
        QVERIFY(manual.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(manual.readAll());
        QVERIFY(html.contains("Описание программы Quillbyte"));
        QVERIFY(html.contains("Проверьте подключение кабеля программирования."));
        manual.close();
        THelpWindow* window = ShowHelpWindow(help.Path());
        QCOMPARE(window->windowTitle(), QString(kHelpWindowTitle));
        QVERIFY(window->Browser()->toPlainText().contains("Старт"));
        QPointer<THelpWindow> watch(window);
        help.Remove();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(watch.isNull());
        QVERIFY(!QDir(folder).exists());
        // A file this run did not write is left alone.
        QVERIFY(QDir().mkpath(folder));
        testing::WriteFile((folder + "/" + kHelpFileName).toStdString(), "theirs");
        HelpFile not_written(folder);
        not_written.Remove();
        QVERIFY(QFile::exists(folder + "/" + kHelpFileName));
    }

    void endSoundAsCarried() {
        const auto wave = resources::ResourceStore::FindEmbedded(hardware::kEndSoundResource);
        QVERIFY(wave.has_value());
        const auto parsed = ParseWave(wave->bytes);
        QVERIFY(parsed.has_value());
        QCOMPARE(parsed->channels, std::uint16_t{1});
        QCOMPARE(parsed->sample_rate, std::uint32_t{11025});
        QCOMPARE(parsed->bits_per_sample, std::uint16_t{8});
        QCOMPARE(parsed->samples.size(), std::size_t{9981});
        // Truncated or foreign files are refused.
        std::vector<std::uint8_t> cut(wave->bytes.begin(), wave->bytes.begin() + 60);
        QVERIFY(!ParseWave(cut).has_value());
        std::vector<std::uint8_t> junk(100, 0x41);
        QVERIFY(!ParseWave(junk).has_value());
    }
};

QTEST_MAIN(AboutSplashTest)
#include "about_splash_test.moc"

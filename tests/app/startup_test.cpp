// The start-up decisions: the "admin" switch, the Windows version classifier, the refusals with
// their messages and exit codes, one copy at a time.
#include <sys/wait.h>
#include <unistd.h>
#include <QTemporaryDir>
#include <QTest>

#include "startup/startup_checks.hpp"
#include "startup/windows_version.hpp"

using namespace vertanum;
using namespace vertanum::app;

namespace {

class FakePlatform : public StartupPlatform {
  public:
    int WindowsVersionClass() override {
        ++calls;
        return version;
    }
    bool IsAdministrator() override {
        ++calls;
        return admin;
    }
    bool AcquireSingleInstance(SingleInstanceLock& lock) override {
        ++calls;
        return lock.Acquire(lock_path);
    }
    bool HasTimeStampCounter() override {
        ++calls;
        return tsc;
    }
    int version = 6;
    bool admin = true;
    bool tsc = true;
    std::string lock_path;
    int calls = 0;
};

}  // namespace

Q_DECLARE_METATYPE(WindowsPlatform)

class StartupTest : public QObject {
    Q_OBJECT

  private slots:
    void versionClassifier_data() {
        QTest::addColumn<bool>("readable");
        QTest::addColumn<WindowsPlatform>("platform");
        QTest::addColumn<unsigned>("major");
        QTest::addColumn<unsigned>("minor");
        QTest::addColumn<QString>("sp");
        QTest::addColumn<int>("expected");
        const auto w9 = WindowsPlatform::Windows9x;
        const auto nt = WindowsPlatform::WindowsNT;
        QTest::newRow("95") << true << w9 << 4u << 0u << "" << 0;
        QTest::newRow("98 SE") << true << w9 << 4u << 10u << " A " << 2;
        QTest::newRow("98") << true << w9 << 4u << 10u << "" << 1;
        QTest::newRow("98, other letter") << true << w9 << 4u << 10u << " B" << 1;
        QTest::newRow("Me") << true << w9 << 4u << 90u << "" << 3;
        QTest::newRow("NT 3.51") << true << nt << 3u << 51u << "" << 4;
        QTest::newRow("NT 4") << true << nt << 4u << 0u << "Service Pack 6" << 4;
        QTest::newRow("2000") << true << nt << 5u << 0u << "" << 5;
        QTest::newRow("XP") << true << nt << 5u << 1u << "Service Pack 2" << 6;
        QTest::newRow("Server 2003") << true << nt << 5u << 2u << "" << -1;
        QTest::newRow("Vista") << true << nt << 6u << 0u << "" << -1;
        QTest::newRow("10") << true << nt << 10u << 0u << "" << -1;
        QTest::newRow("9x, unknown minor") << true << w9 << 4u << 50u << "" << -1;
        QTest::newRow("other platform") << true << WindowsPlatform::Other << 5u << 1u << "" << -1;
        QTest::newRow("unreadable") << false << nt << 5u << 1u << "" << -1;
    }
    void versionClassifier() {
        QFETCH(bool, readable);
        QFETCH(WindowsPlatform, platform);
        QFETCH(unsigned, major);
        QFETCH(unsigned, minor);
        QFETCH(QString, sp);
        QFETCH(int, expected);
        std::optional<WindowsVersionRecord> record;
        if (readable) record = WindowsVersionRecord{platform, major, minor, sp.toStdString()};
        QCOMPARE(GetWindowsVersionClass(record), expected);
        QCOMPARE(WindowsVersionAccepted(expected), expected == 5 || expected == 6);
    }

    void adminSwitch_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("expected");
        QTest::newRow("none") << QStringList{} << false;
        QTest::newRow("admin") << QStringList{"admin"} << true;
        QTest::newRow("ADMIN between others") << QStringList{"x.qcf", "ADMIN", "-v"} << true;
        QTest::newRow("Admin last") << QStringList{"--simulator", "Admin"} << true;
        QTest::newRow("part of a word") << QStringList{"administrator", "-admin"} << false;
    }
    void adminSwitch() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, expected);
        std::vector<std::string> args;
        for (const QString& a : arguments) args.push_back(a.toStdString());
        QCOMPARE(HasAdminSwitch(args), expected);
    }

    void adminSwitchSkipsEveryCheck() {
        FakePlatform platform;
        platform.version = -1;
        platform.admin = false;
        platform.tsc = false;
        RecordingMessages messages;
        SingleInstanceLock lock;
        const StartupOutcome outcome =
            CheckStartup({"vertanum", "ADMIN"}, platform, messages, lock);
        QCOMPARE(outcome.verdict, StartupVerdict::Run);
        QVERIFY(!outcome.checked);
        QCOMPARE(platform.calls, 0);
        QVERIFY(messages.shown.empty());
        QVERIFY(!lock.Held());
    }

    void refusals_data() {
        QTest::addColumn<int>("version");
        QTest::addColumn<bool>("admin");
        QTest::addColumn<bool>("tsc");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("exit_code");
        QTest::addColumn<bool>("lock_held");
        QTest::newRow("Server 2003") << -1 << true << true << kWindowsVersionMessage << 2 << false;
        QTest::newRow("Me") << 3 << true << true << kWindowsVersionMessage << 2 << false;
        QTest::newRow("not administrator")
            << 6 << false << true << kAdministratorMessage << 0 << false;
        QTest::newRow("no time-stamp counter")
            << 5 << true << false << kProcessorMessage << 0 << false;
        QTest::newRow("everything there") << 6 << true << true << "" << 0 << true;
    }
    void refusals() {
        QFETCH(int, version);
        QFETCH(bool, admin);
        QFETCH(bool, tsc);
        QFETCH(QString, message);
        QFETCH(int, exit_code);
        QFETCH(bool, lock_held);
        QTemporaryDir dir;
        FakePlatform platform;
        platform.version = version;
        platform.admin = admin;
        platform.tsc = tsc;
        platform.lock_path = dir.filePath("lock").toStdString();
        RecordingMessages messages;
        SingleInstanceLock lock;
        const StartupOutcome outcome = CheckStartup({"vertanum"}, platform, messages, lock);
        QCOMPARE(outcome.exit_code, exit_code);
        QCOMPARE(outcome.verdict,
                 message.isEmpty() ? StartupVerdict::Run : StartupVerdict::Refused);
        if (message.isEmpty()) {
            QVERIFY(messages.shown.empty());
        } else {
            QCOMPARE(messages.shown.size(), std::size_t{1});
            QCOMPARE(QString::fromStdString(messages.shown[0].text), message);
            QCOMPARE(messages.shown[0].icon, MessageIcon::Error);
            QCOMPARE(messages.shown[0].buttons, MessageButtons::Ok);
        }
        // A refusal leaves nothing that would block the next start.
        QCOMPARE(lock.Held(), lock_held);
        SingleInstanceLock next;
        QCOMPARE(next.Acquire(platform.lock_path), !lock_held);
    }

    void secondCopyEndsSilently() {
        QTemporaryDir dir;
        FakePlatform platform;
        platform.lock_path = dir.filePath("lock").toStdString();
        RecordingMessages messages;
        SingleInstanceLock first;
        QCOMPARE(CheckStartup({}, platform, messages, first).verdict, StartupVerdict::Run);
        SingleInstanceLock second;
        const StartupOutcome outcome = CheckStartup({}, platform, messages, second);
        QCOMPARE(outcome.verdict, StartupVerdict::SecondInstance);
        QCOMPARE(outcome.exit_code, 0);
        QVERIFY(messages.shown.empty());
        // ... and the admin switch runs beside it.
        SingleInstanceLock third;
        QCOMPARE(CheckStartup({"admin"}, platform, messages, third).verdict, StartupVerdict::Run);
    }

    void crashedCopyNeverBlocks() {
        QTemporaryDir dir;
        const std::string path = dir.filePath("lock").toStdString();
        int ready[2];
        QVERIFY(pipe(ready) == 0);
        const pid_t child = fork();
        if (child == 0) {
            SingleInstanceLock lock;
            const char held = lock.Acquire(path) ? '1' : '0';
            (void)!write(ready[1], &held, 1);
            pause();
            _exit(0);
        }
        char held = 0;
        QCOMPARE(read(ready[0], &held, 1), ssize_t{1});
        QCOMPARE(held, '1');
        SingleInstanceLock while_running;
        QVERIFY(!while_running.Acquire(path));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        SingleInstanceLock after_crash;
        QVERIFY(after_crash.Acquire(path));
        close(ready[0]);
        close(ready[1]);
    }

    void linuxIsAnAcceptedSystem() {
        LinuxStartupPlatform platform;
        QVERIFY(WindowsVersionAccepted(platform.WindowsVersionClass()));
        QVERIFY(platform.IsAdministrator());
#if defined(__x86_64__)
        QVERIFY(platform.HasTimeStampCounter());
#endif
    }
};

QTEST_GUILESS_MAIN(StartupTest)
#include "startup_test.moc"

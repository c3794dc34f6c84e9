// Save and copy at the window, by their shortcuts and the file dialog: the
// file and the clipboard against velquor-cli of the same state, and saves
// that cannot succeed.
#include <sys/resource.h>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

#include "resources.h"
#include "window_fixture.h"

namespace {

// What velquor-cli prints, or the file it writes; empty if it failed.
QByteArray RunCli(const QStringList& args) {
    QProcess cli;
    cli.start(QStringLiteral(VELQUOR_CLI), args);
    if (!cli.waitForFinished(120000) || cli.exitCode() != 0) return {};
    return cli.readAllStandardOutput();
}

QByteArray CliPicture(const QStringList& state, const QString& path) {
    RunCli(QStringList{"render"} + state + QStringList{"--output", path});
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Press(WaveWindow& window, QKeyCombination keys) {
    if (!QTest::qWaitForWindowActive(&window)) qWarning("the window is not active");
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &window, keys.key(),
                    keys.keyboardModifiers());
}

void ClickButton(WaveWindow& window, int id) {
    QTest::mouseClick(window.Control(id), Qt::LeftButton);
}

// Reads out and closes the message boxes the window shows.
class MessageAnswers {
  public:
    MessageAnswers()
        : watch_(ActiveModal, [this](QWidget* w) {
              if (auto* box = qobject_cast<QMessageBox*>(w)) {
                  messages << box->text();
                  box->accept();
              }
          }) {}
    QStringList messages;

  private:
    WhenShown watch_;
};

const QKeyCombination kSave = Qt::CTRL | Qt::Key_S;
const QKeyCombination kCopyPicture = Qt::CTRL | Qt::SHIFT | Qt::Key_C;
const QKeyCombination kCopyLevels = Qt::CTRL | Qt::SHIFT | Qt::Key_L;

}  // namespace

class SaveCopyTest : public QObject {
    Q_OBJECT

  private slots:
    void savedAndCopiedPictureIsTheCliPicture() {
        QTemporaryDir dir;
        auto window = OpenWindow();
        for (int i = 0; i < 3; ++i)
            ClickButton(*window, res::kSearch);
        QTest::mouseClick(TabBarOf(*window), Qt::LeftButton, {},
                          TabBarOf(*window)->tabRect(1).center());
        // Where Qt's file dialog would have been answered.
        const QString saved = dir.filePath(QStringLiteral("saved.png"));
        int asked = 0;
        window->SetSaveNameAsker([&] {
            ++asked;
            return saved;
        });
        MessageAnswers answers;
        Press(*window, kSave);
        QTRY_VERIFY(QFile::exists(saved));
        QCOMPARE(asked, 1);

        const QByteArray cli =
            CliPicture({"--view", "zoom", "--steps", "3"}, dir.filePath(QStringLiteral("cli.png")));
        QVERIFY(!cli.isEmpty());
        QVERIFY(Contents(saved) == cli);
        // Nothing else was left behind: the temporary file became the picture.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{"cli.png", "saved.png"}));
        QVERIFY(answers.messages.isEmpty());

        QGuiApplication::clipboard()->clear();
        Press(*window, kCopyPicture);
        QTRY_VERIFY(!QGuiApplication::clipboard()->image().isNull());
        QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
                 QImage::fromData(cli).convertToFormat(QImage::Format_RGB32));
    }

    void copiedLevelsAreTheCliCsvAndTheEnergyBoxKeepsItsKeys() {
        auto window = OpenWindow();
        const CWaveDlg& d = window->Dialog();
        for (std::uint8_t count = 1; count <= 2; ++count) {
            ClickButton(*window, res::kPlay);
            QTRY_COMPARE_WITH_TIMEOUT(d.Search().Levels().size(), count, 30000);
        }
        // Ctrl+C in the energy box copies its text, not the levels.
        auto* energy = ControlOf<QLineEdit>(*window, res::kEnergy);
        QTest::mouseClick(energy, Qt::LeftButton);
        QTest::keyClick(energy, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(energy, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), energy->text());

        Press(*window, kCopyLevels);
        QTRY_VERIFY(QGuiApplication::clipboard()->text() != energy->text());
        const QList<QByteArray> cli =
            RunCli({"levels", "--potential", "oscillator", "--format", "csv"}).split('\n');
        QVERIFY(cli.size() > 3);
        QCOMPARE(QGuiApplication::clipboard()->text().toUtf8(), cli.mid(0, 3).join('\n') + '\n');
    }

    void failedSaveSaysWhyAndKeepsTheOldFile() {
        auto window = OpenWindow();
        // Tests run as root, who may write into folders without write
        // permission: /proc takes no new file from anyone.
        {
            MessageAnswers answers;
            QVERIFY(!window->SavePictureTo(QStringLiteral("/proc/velquor.png")));
            QCOMPARE(answers.messages.size(), 1);
            QVERIFY2(QRegularExpression("^The picture was not saved to /proc/velquor.png: .+\\.$")
                         .match(answers.messages[0])
                         .hasMatch(),
                     qPrintable(answers.messages[0]));
            QVERIFY(!QFile::exists(QStringLiteral("/proc/velquor.png")));
        }
        // An old picture and a write that fails half way (a file size limit
        // holds for root too): the old picture stays as it was.
        QTemporaryDir dir;
        const QString old = dir.filePath(QStringLiteral("old.png"));
        {
            QFile file(old);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("an old picture");
        }
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit saved = limit;
        limit.rlim_cur = 1000;  // a frame's PNG takes several kilobytes
        std::signal(SIGXFSZ, SIG_IGN);
        QVERIFY(setrlimit(RLIMIT_FSIZE, &limit) == 0);
        MessageAnswers answers;
        const bool written = window->SavePictureTo(old);
        setrlimit(RLIMIT_FSIZE, &saved);
        QVERIFY(!written);
        QCOMPARE(answers.messages,
                 QStringList{"The picture was not saved to " + old + ": File too large."});
        QCOMPARE(Contents(old), QByteArray("an old picture"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"old.png"});
    }
};

VELQUOR_DESKTOP_TEST_MAIN(SaveCopyTest)
#include "save_copy_test.moc"

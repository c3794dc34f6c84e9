// Scenarios and languages at the window: a state saved by "Save scenario…"
// is the picture velquor-cli render draws of that file and the one another
// window shows after "Open scenario…"; a bad file changes nothing; and the
// window speaks the catalogue's English or today's Spanish.
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QMessageBox>
#include <QProcess>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "frame_view.h"
#include "language.h"
#include "resources.h"
#include "window_fixture.h"

namespace {

QImage CliPicture(const QStringList& args, const QString& path) {
    QProcess cli;
    cli.start(QStringLiteral(VELQUOR_CLI),
              QStringList{"render"} + args + QStringList{"--output", path});
    if (!cli.waitForFinished(120000) || cli.exitCode() != 0) return {};
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

void Press(WaveWindow& window, QKeyCombination keys) {
    if (!QTest::qWaitForWindowActive(&window)) qWarning("the window is not active");
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &window, keys.key(),
                    keys.keyboardModifiers());
}

void Type(WaveWindow& window, int id, const QString& text) {
    auto* edit = ControlOf<QLineEdit>(window, id);
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, text);
}

QString ButtonText(WaveWindow& window, int id) {
    return ControlOf<QAbstractButton>(window, id)->text();
}

QStringList TabTexts(WaveWindow& window) {
    QStringList texts;
    for (int i = 0; i < TabBarOf(window)->count(); ++i)
        texts << TabBarOf(window)->tabText(i);
    return texts;
}

}  // namespace

class ScenarioTest : public QObject {
    Q_OBJECT

  private slots:
    void savedScenarioIsTheCliPictureAndOpensTheSame() {
        QTemporaryDir dir;
        auto window = OpenWindow();
        // The finite well by the list and its keys, a trial energy, then the
        // "Evolucion" tab's band set and paused.
        auto* list = ControlOf<QComboBox>(*window, res::kPotentialList);
        list->setFocus(Qt::TabFocusReason);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(window->Dialog().Choice().Family(), FamilyId::Well);
        Type(*window, res::kEnergy, "-4.5");
        QTest::mouseClick(window->Control(res::kPredictor), Qt::LeftButton);
        QTest::mouseClick(TabBarOf(*window), Qt::LeftButton, {},
                          TabBarOf(*window)->tabRect(res::kEvolutionTab).center());
        Type(*window, res::kEvolutionStates, "0 1 2");
        Type(*window, res::kEvolutionWeights, "1 2 1");
        Type(*window, res::kEvolutionPhases, "0 1.5 0");
        QStringList messages;
        WhenShown answer(ActiveModal, [&](QWidget* w) {
            if (auto* box = qobject_cast<QMessageBox*>(w)) {
                messages << box->text();
                box->accept();
            }
        });
        QTest::mouseClick(window->Control(res::kEvolutionApply), Qt::LeftButton);
        QCOMPARE(messages.join("/"), QString());
        QTest::mouseClick(window->Control(res::kEvolutionPlay), Qt::LeftButton);
        QVERIFY(!window->Dialog().Evolution().Playing());

        const QString path = dir.filePath(QStringLiteral("well.json"));
        int asked = 0;
        window->SetScenarioNameAsker([&](bool save) {
            ++asked;
            return save ? path : QString();
        });
        Press(*window, Qt::CTRL | Qt::SHIFT | Qt::Key_S);
        QTRY_COMPARE(asked, 1);
        QTRY_VERIFY(QFile::exists(path));

        const QImage shown = window->FramePicture().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(CliPicture({"--scenario", path}, dir.filePath(QStringLiteral("cli.png"))), shown);

        auto other = OpenWindow();
        other->SetScenarioNameAsker([&](bool save) { return save ? QString() : path; });
        Press(*other, Qt::CTRL | Qt::Key_O);
        QTRY_COMPARE(other->CurrentTab(), res::kEvolutionTab);
        QCOMPARE(other->FramePicture().convertToFormat(QImage::Format_RGB32), shown);
        QCOMPARE(ButtonText(*other, res::kEvolutionPlay), QStringLiteral("Play"));
        QVERIFY(other->Control(res::kEvolutionStates)->isVisible());
    }

    void badScenarioSaysWhyAndChangesNothing() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bad.json"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"({"potential": "well", "settings": {"depth": -8, "colour": 3}})");
        file.close();
        auto window = OpenWindow();
        const QImage before = window->FramePicture();
        QStringList messages;
        WhenShown answer(ActiveModal, [&](QWidget* w) {
            if (auto* box = qobject_cast<QMessageBox*>(w)) {
                messages << box->text();
                box->accept();
            }
        });
        QVERIFY(!window->OpenScenarioFile(path));
        QCOMPARE(messages, QStringList{"The scenario " + path +
                                       " was not opened: unknown setting 'colour' of well; it "
                                       "has depth, half-width."});
        QCOMPARE(window->Dialog().Choice().Family(), FamilyId::Oscillator);
        QCOMPARE(window->FramePicture(), before);
    }

    void englishAndSpanishCaptions() {
        InstallLanguage(*qApp, "en");
        {
            auto window = OpenWindow();
            QCOMPARE(ButtonText(*window, res::kSearch), QStringLiteral("Search"));
            // What a screen reader says: each control's name and description,
            // and the picture in words.
            QCOMPARE(window->Control(res::kEnergy)->accessibleName(),
                     QStringLiteral("Trial energy"));
            QCOMPARE(window->Control(res::kSearch)->accessibleDescription(),
                     QStringLiteral("One step of the level search."));
            QCOMPARE(window->Frame()->accessibleName(), QStringLiteral("Picture"));
            QTRY_COMPARE(window->Frame()->accessibleDescription(),
                         QStringLiteral("Oscillator: no level found yet"));
            QCOMPARE(ButtonText(*window, res::kSettings), QStringLiteral("Settings..."));
            QCOMPARE(TabTexts(*window),
                     (QStringList{"Normal", "Zoom", "Levels", "Evolution", "Transmission",
                                  "Packet"}));
            QCOMPARE(ControlOf<QComboBox>(*window, res::kPotentialList)->itemText(1),
                     QStringLiteral("Harmonic oscillator"));
            QTest::mouseClick(TabBarOf(*window), Qt::LeftButton, {},
                              TabBarOf(*window)->tabRect(res::kLevelsTab).center());
            auto* table = window->findChild<QTableWidget*>();
            QTRY_VERIFY(table->columnCount() > 2);
            QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("Parity"));
            QCOMPARE(table->item(0, 1)->text(), QStringLiteral("even"));
        }
        InstallLanguage(*qApp, "es");
        auto window = OpenWindow();
        QCOMPARE(ButtonText(*window, res::kSearch), QStringLiteral("Buscar"));
        QCOMPARE(window->Control(res::kSearch)->accessibleDescription(),
                 QStringLiteral("Un paso de la busqueda de niveles."));
        QTRY_COMPARE(window->Frame()->accessibleDescription(),
                     QStringLiteral("Oscilador: ningun nivel encontrado todavia"));
        QCOMPARE(TabTexts(*window),
                 (QStringList{"Normal", "Zoom", "Niveles", "Evolucion", "Transmision",
                              "Paquete"}));
        QCOMPARE(ControlOf<QComboBox>(*window, res::kPotentialList)->itemText(2),
                 QStringLiteral("Pozo Finito"));
    }
};

VELQUOR_DESKTOP_TEST_MAIN(ScenarioTest)
#include "scenario_test.moc"

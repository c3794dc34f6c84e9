// The settings dialog in the real window, by the keyboard alone: a bad value
// answered with its message and the dialog kept open, Enter applying, Escape
// cancelling, and the last formulas remembered.
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "potential_choice.h"
#include "resources.h"
#include "settings_dialog.h"
#include "window_fixture.h"

namespace {

SettingsDialog* OpenSettings() {
    return qobject_cast<SettingsDialog*>(QApplication::activeModalWidget());
}

// Chooses a list item with the arrow keys, as a person does.
void ChooseByKeys(WaveWindow& window, int index) {
    auto* list = ControlOf<QComboBox>(window, res::kPotentialList);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        QTest::keyClick(list, Qt::Key_Down);
}

void Retype(QLineEdit* field, const QString& text) {
    field->selectAll();
    QTest::keyClicks(field, text);
}

}  // namespace

class SettingsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config_.path());
    }

    void badValueThenEnterApplies() {
        auto window = OpenWindow();
        ChooseByKeys(*window, 3);  // Poschl-Teller
        CWaveDlg& dlg = window->Dialog();
        QCOMPARE(dlg.Choice().Family(), FamilyId::PoschlTeller);

        QStringList messages;
        WhenShown answer([] { return qobject_cast<QMessageBox*>(ActiveModal()); },
                         [&](QWidget* box) {
                             messages << static_cast<QMessageBox*>(box)->text();
                             QTest::keyClick(box, Qt::Key_Return);
                         });
        int step = 0;
        WhenShown type(OpenSettings, [&](QWidget* w) {
            auto* settings = static_cast<SettingsDialog*>(w);
            Retype(settings->Field(0), QStringLiteral("-120"));
            QTest::keyClick(settings->Field(0), Qt::Key_Return);
            // Still open, nothing changed; then a good value.
            step = settings->isVisible() && dlg.Choice().Values(FamilyId::PoschlTeller)[0] == -8.0;
            Retype(settings->Field(0), QStringLiteral("-12"));
            QTest::keyClick(settings->Field(0), Qt::Key_Return);
        });
        auto* button = ControlOf<QPushButton>(*window, res::kSettings);
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Space);
        QCOMPARE(step, 1);
        QCOMPARE(messages,
                 QStringList{QStringLiteral("Enter a number between -100 and 0 for depth.")});
        QCOMPARE(dlg.Choice().Values(FamilyId::PoschlTeller)[0], -12.0);
        QCOMPARE(dlg.Potential().Value(0.0), -12.0);
        QVERIFY(ControlOf<QPushButton>(*window, res::kPlay)->isEnabled());
    }

    void formulaRememberedAndEscapeCancels() {
        auto window = OpenWindow();
        ChooseByKeys(*window, 6);  // Formula
        CWaveDlg& dlg = window->Dialog();
        auto* button = ControlOf<QPushButton>(*window, res::kSettings);
        for (const QString& text : {QStringLiteral("x^4/10 - 8"), QStringLiteral("x^3")}) {
            WhenShown type(OpenSettings, [&](QWidget* w) {
                auto* settings = static_cast<SettingsDialog*>(w);
                Retype(settings->Field(0), text);
                QTest::keyClick(settings->Field(0), Qt::Key_Return);
            });
            button->setFocus();
            QTest::keyClick(button, Qt::Key_Space);
        }
        QCOMPARE(SettingsDialog::RecentFormulas().mid(0, 2),
                 (QStringList{QStringLiteral("x^3"), QStringLiteral("x^4/10 - 8")}));
        QCOMPARE(dlg.Choice().Formula().Text(), std::string("x^3"));
        QVERIFY(ControlOf<QPushButton>(*window, res::kSearch)->isEnabled());
        QCOMPARE(qobject_cast<QLabel*>(window->Control(res::kPotentialNote))->text(),
                 QString::fromUtf8(PotentialChoice::kNotEvenNote));

        WhenShown cancel(OpenSettings, [&](QWidget* w) {
            auto* settings = static_cast<SettingsDialog*>(w);
            Retype(settings->Field(0), QStringLiteral("x^2"));
            QTest::keyClick(settings->Field(0), Qt::Key_Escape);
        });
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Space);
        QCOMPARE(cancel.Seen(), 1);
        QCOMPARE(dlg.Choice().Formula().Text(), std::string("x^3"));
    }

  private:
    QTemporaryDir config_;
};

VELQUOR_DESKTOP_TEST_MAIN(SettingsTest)
#include "settings_test.moc"

// The settings dialog of the chosen potential: a line a setting with its
// range, or the formula with the last ten typed (kept by QSettings). It only
// shows the editor's fields and forwards Enter and Escape to it; what is
// valid and what a value changes is the editor's business.
#pragma once

#include <QDialog>
#include <QStringList>
#include <vector>

class QComboBox;
class QLineEdit;
class SettingsEditor;

class SettingsDialog : public QDialog {
    Q_OBJECT

  public:
    SettingsDialog(SettingsEditor& editor, QWidget* parent = nullptr);

    // The field of setting i (the formula's edit line for a formula).
    QLineEdit* Field(int i) const;

    // The formulas a user typed last, newest first, at most ten: in QSettings
    // under "formulas/recent".
    static QStringList RecentFormulas();
    static void RememberFormula(const QString& text);

    void accept() override;
    void reject() override;

  private:
    SettingsEditor& editor_;
    std::vector<QLineEdit*> fields_;
    QComboBox* formula_ = nullptr;
};

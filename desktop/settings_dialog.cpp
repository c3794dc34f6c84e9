#include "settings_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include "language.h"
#include "potential_choice.h"

namespace {

constexpr int kRecentFormulas = 10;
const QString kRecentKey = QStringLiteral("formulas/recent");

}  // namespace

SettingsDialog::SettingsDialog(SettingsEditor& editor, QWidget* parent)
    : QDialog(parent), editor_(editor) {
    setWindowTitle(Tr(VQ_CAPTION("Ajustes: %1")).arg(Tr(editor.Info().caption)));
    auto* layout = new QVBoxLayout(this);
    // A family's formula in words; a typed formula is its own.
    if (!editor.IsFormula())
        layout->addWidget(
            new QLabel(QStringLiteral("V(x) = ") + QString::fromUtf8(editor.Info().formula)));
    auto* form = new QFormLayout;
    layout->addLayout(form);
    for (const SettingsEditor::Field& field : editor.Fields()) {
        const QString name = QString::fromStdString(field.name);
        const QString label = field.range.empty()
                                  ? name
                                  : name + QStringLiteral(" (") +
                                        QString::fromStdString(field.range) + QStringLiteral(")");
        if (editor.IsFormula()) {
            formula_ = new QComboBox;
            formula_->setEditable(true);
            formula_->setInsertPolicy(QComboBox::NoInsert);
            formula_->addItems(RecentFormulas());
            formula_->setEditText(QString::fromStdString(field.text));
            formula_->setMinimumWidth(360);
            fields_.push_back(formula_->lineEdit());
            form->addRow(label, formula_);
        } else {
            auto* edit = new QLineEdit(QString::fromStdString(field.text));
            fields_.push_back(edit);
            form->addRow(label, edit);
        }
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &SettingsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &SettingsDialog::reject);
    layout->addWidget(buttons);
    if (!fields_.empty()) {
        fields_.front()->setFocus();
        fields_.front()->selectAll();
    }
}

QLineEdit* SettingsDialog::Field(int i) const {
    return i >= 0 && i < static_cast<int>(fields_.size()) ? fields_[i] : nullptr;
}

QStringList SettingsDialog::RecentFormulas() {
    return QSettings().value(kRecentKey).toStringList().mid(0, kRecentFormulas);
}

void SettingsDialog::RememberFormula(const QString& text) {
    QStringList recent = RecentFormulas();
    recent.removeAll(text);
    recent.prepend(text);
    QSettings().setValue(kRecentKey, recent.mid(0, kRecentFormulas));
}

void SettingsDialog::accept() {
    for (std::size_t i = 0; i < fields_.size(); ++i)
        editor_.Fields()[i].text = fields_[i]->text().toStdString();
    if (const std::optional<std::string> message = editor_.Apply()) {
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(*message));
        // With or without a window manager, the keyboard comes back here.
        activateWindow();
        if (QLineEdit* bad = Field(editor_.BadField())) {
            bad->setFocus(Qt::OtherFocusReason);
            bad->selectAll();
        }
        return;  // open, and nothing changed
    }
    if (editor_.IsFormula()) RememberFormula(fields_.front()->text());
    QDialog::accept();
}

void SettingsDialog::reject() {
    editor_.Cancel();
    QDialog::reject();
}

// The input dialog: prompt, edit box and OK/cancel in dialog units of the
// dialog font; the cancel caption comes from the current language row.
#include "dialogs/input_prompt.h"

#include "dialogs/dialog_layout.h"
#include "dialogs/dialog_settings.h"
#include "dialogs/language_table.h"
#include "widgets/window_system.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace rq::dialogs {
namespace {

QPushButton* addButton(TMessageForm& form, const QString& caption, const char* name,
                       const QRect& bounds, int result) {
    auto* button = new QPushButton(caption, form.controlParent());
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(bounds);
    form.closeWith(button, result);
    return button;
}

} // namespace

std::unique_ptr<TMessageForm> createInputForm(const rq::base::AnsiString& caption,
                                              const rq::base::AnsiString& prompt,
                                              const rq::base::AnsiString& value) {
    const QFont font = dialogSettings().ownFont ? unitFont() : messageFont();
    auto form = std::make_unique<TMessageForm>(font);
    const auto layout = layoutInputDialog(dialogUnitsOf(font));
    form->setWindowTitle(widgets::fromAnsi(caption));

    auto* label = new QLabel(widgets::fromAnsi(prompt), form->controlParent());
    label->setObjectName(QStringLiteral("Prompt"));
    label->setTextFormat(Qt::PlainText);
    label->move(layout.prompt);
    label->adjustSize();

    auto* edit = new QLineEdit(form->controlParent());
    edit->setObjectName(QStringLiteral("Edit"));
    edit->setMaxLength(kInputMaxLength);
    edit->setText(widgets::fromAnsi(value));
    edit->setGeometry(layout.edit.x(), layout.edit.y(), layout.edit.width(),
                      edit->sizeHint().height());
    edit->selectAll();
    edit->setFocus();

    auto* ok = addButton(*form, QStringLiteral("OK"), "OK", layout.ok, mrOk);
    ok->setDefault(true);
    auto* cancel =
        addButton(*form, widgets::fromAnsi(inputCancelCaption(dialogSettings().language)), "Cancel",
                  layout.cancel, mrCancel);
    form->setCancelButton(cancel);
    form->setClientSize(layout.client);
    return form;
}

bool InputPrompt(const rq::base::AnsiString& caption, const rq::base::AnsiString& prompt,
                 const rq::base::AnsiString& defaultValue, rq::base::AnsiString& value) {
    value = defaultValue;
    auto form = createInputForm(caption, prompt, value);
    if (form->exec() != mrOk)
        return false;
    value = widgets::toAnsi(form->findChild<QLineEdit*>(QStringLiteral("Edit"))->text());
    return true;
}

} // namespace rq::dialogs

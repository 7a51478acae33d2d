// The dialog form: window flags, panel and rounded clipping from the settings.
#include "dialogs/message_form.h"

#include "dialogs/dialog_layout.h"
#include "dialogs/dialog_settings.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainterPath>
#include <QRegion>
#include <QScreen>

namespace rq::dialogs {
namespace {

constexpr qreal kCornerRadius = 7.5; // corner ellipse 15 x 15 pixels

bool roundedWindow(const DialogSettings& settings) {
    return settings.roundedWindow && !settings.gradientPanel;
}

Qt::WindowFlags formFlags(const DialogSettings& settings) {
    if (!settings.dialogBorder || roundedWindow(settings))
        return Qt::Dialog | Qt::FramelessWindowHint;
    return Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
           Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
}

QSize screenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(0, 0);
}

} // namespace

TMessageForm::TMessageForm(const QFont& font) : QDialog(nullptr), controls_(this) {
    const auto& settings = dialogSettings();
    setWindowFlags(formFlags(settings));
    setFont(font);
    setModal(true);
    if (settings.gradientPanel) {
        controls_ = new QWidget(this);
        controls_->setObjectName(QStringLiteral("ThePanel"));
    }
}

void TMessageForm::setClientSize(QSize size) {
    setFixedSize(size);
    if (controls_ != this)
        controls_->setGeometry(0, 0, size.width(), size.height());
    move(screenCentred(size, screenSize()));
    if (roundedWindow(dialogSettings())) {
        QPainterPath outline;
        outline.addRoundedRect(QRectF(0, 0, size.width(), size.height()), kCornerRadius,
                               kCornerRadius);
        setMask(QRegion(outline.toFillPolygon().toPolygon()));
    }
}

void TMessageForm::closeWith(QAbstractButton* button, int result) {
    if (result == mrNone)
        return;
    connect(button, &QAbstractButton::clicked, this, [this, result] { done(result); });
}

void TMessageForm::reject() {
    done(mrCancel);
}

void TMessageForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (cancelButton_)
            cancelButton_->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace rq::dialogs

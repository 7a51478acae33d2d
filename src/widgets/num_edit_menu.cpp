// The numeric field's context menu: the edit control's usual commands, in
// Qt's own (translated) texts, each routed through the field's rules so that
// no command inserts or deletes text past the character filter.
#include "widgets/pb_num_edit.h"

#include "widgets/window_system.h"

#include <QCoreApplication>
#include <QMenu>

namespace rq::widgets {
namespace {

// The edit control's caption for a command with its shortcut, as the plain
// edit control shows it.
QString caption(const char* text, QKeySequence::StandardKey key = QKeySequence::UnknownKey) {
    QString result = QCoreApplication::translate("QLineEdit", text);
    const QKeySequence shortcut(key);
    if (!shortcut.isEmpty())
        result += QLatin1Char('\t') + shortcut.toString(QKeySequence::NativeText);
    return result;
}

} // namespace

QMenu* TPBNumEdit::createContextMenu() {
    auto* menu = new QMenu(this);
    const bool editable = !isReadOnly();
    const bool selected = hasSelectedText();
    QAction* undoAction = menu->addAction(caption("&Undo", QKeySequence::Undo), this,
                                          [this] { guarded([this] { undo(); }); });
    undoAction->setEnabled(editable && isUndoAvailable());
    QAction* redoAction = menu->addAction(caption("&Redo", QKeySequence::Redo), this,
                                          [this] { guarded([this] { redo(); }); });
    redoAction->setEnabled(editable && isRedoAvailable());
    menu->addSeparator();
    menu->addAction(caption("Cu&t", QKeySequence::Cut), this,
                    [this] { guarded([this] { CutToClipboard(); }); })
        ->setEnabled(editable && selected);
    menu->addAction(caption("&Copy", QKeySequence::Copy), this, [this] { CopyToClipboard(); })
        ->setEnabled(selected);
    menu->addAction(caption("&Paste", QKeySequence::Paste), this,
                    [this] { guarded([this] { PasteFromClipboard(); }); })
        ->setEnabled(editable && !clipboardText().isEmpty());
    menu->addAction(caption("Delete"), this, [this] { guarded([this] { deleteCharacter(true); }); })
        ->setEnabled(editable && selected);
    menu->addSeparator();
    menu->addAction(caption("Select All", QKeySequence::SelectAll), this, [this] { selectAll(); })
        ->setEnabled(!text().isEmpty());
    return menu;
}

} // namespace rq::widgets

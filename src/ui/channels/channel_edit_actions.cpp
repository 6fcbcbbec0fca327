#include "ui/channels/channel_edit_actions.h"

#include "core/channels/channel_rows.h"
#include "ui/channels/channel_clipboard.h"
#include "ui/channels/channel_table_view.h"
#include "ui/channels/program_view.h"
#include "ui/widgets/core_text.h"
#include "ui/widgets/message_box.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QMimeData>

using namespace dpmr;

namespace {

QString Channels(std::size_t count) {
    return count == 1 ? QCoreApplication::translate("ChannelEditActions", "1 channel")
                      : QCoreApplication::translate("ChannelEditActions", "%1 channels").arg(count);
}

// Undo labels are kept in English, as the core keeps them.
std::string ChannelsText(std::size_t count) {
    return count == 1 ? "1 channel" : std::to_string(count) + " channels";
}

} // namespace

ChannelEditActions::ChannelEditActions(CodePlugDocument &document, CProgramView &view,
                                       QWidget *window)
    : QObject(window), document_(document), view_(view), window_(window) {
    cut_ = Add("Cut", tr("Cu&t"), QKeySequence::Cut, &ChannelEditActions::OnCut);
    copy_ = Add("Copy", tr("&Copy"), QKeySequence::Copy, &ChannelEditActions::OnCopy);
    paste_ = Add("Paste", tr("&Paste"), QKeySequence::Paste, &ChannelEditActions::OnPaste);
    clear_ = Add("Clear", tr("C&lear"), QKeySequence(Qt::Key_Delete), &ChannelEditActions::OnClear);
    delete_ = Add("DeleteChannels", tr("&Delete"), QKeySequence("Ctrl+Del"),
                  &ChannelEditActions::OnDelete);
    insert_ = Add("InsertChannel", tr("&Insert"), QKeySequence("Ctrl+Ins"),
                  &ChannelEditActions::OnInsert);
    moveUp_ = Add("MoveUp", tr("Move &up"), QKeySequence("Alt+Up"), nullptr);
    moveDown_ = Add("MoveDown", tr("Move dow&n"), QKeySequence("Alt+Down"), nullptr);
    apply_ = Add("ApplyToSelection", tr("Set for selection"), QKeySequence("Ctrl+D"),
                 &ChannelEditActions::OnApplyToSelection);
    connect(moveUp_, &QAction::triggered, this, [this] { OnMove(-1); });
    connect(moveDown_, &QAction::triggered, this, [this] { OnMove(+1); });

    clear_->setStatusTip(tr("Clear the selected channels"));
    delete_->setStatusTip(tr("Delete the selected channels; the channels below move up"));
    insert_->setStatusTip(tr("Insert an empty channel; the channels below move down"));
    moveUp_->setStatusTip(tr("Move the selected channels up one row"));
    moveDown_->setStatusTip(tr("Move the selected channels down one row"));
    apply_->setStatusTip(tr("Give every selected channel the value of the current cell"));
    // Delete is the table's own key; the menus show it, the table handles it.
    clear_->setShortcutContext(Qt::WidgetShortcut);

    hideEmpty_ = new QAction(tr("&Hide empty channels"), this);
    hideEmpty_->setObjectName("HideEmptyChannels");
    hideEmpty_->setCheckable(true);
    connect(hideEmpty_, &QAction::toggled, &view_, &CProgramView::SetHideEmptyChannels);

    connect(view_.table(), &ChannelTableView::ClearRequested, this, &ChannelEditActions::OnClear);
    UpdateApplyText();
}

QAction *ChannelEditActions::Add(const QString &name, const QString &text,
                                 const QKeySequence &shortcut,
                                 void (ChannelEditActions::*handler)()) {
    auto *action = new QAction(text, this);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    if (handler)
        connect(action, &QAction::triggered, this, handler);
    return action;
}

void ChannelEditActions::Change(const std::string &label,
                                const std::function<void(Image &)> &change) {
    view_.CommitOpenEdit(); // an edit still open is a step of its own
    const Image before = document_.image;
    view_.StoreChannelTable(); // the image as the table shows it
    change(document_.image);
    document_.RecordChange(before, label);
    view_.ShowImage();
}

void ChannelEditActions::OnCopy() {
    view_.StoreChannelTable();
    const std::vector<int> channels = view_.table()->SelectedChannels();
    QApplication::clipboard()->setMimeData(
        ChannelsMimeData(document_.image, document_.limits, channels));
    emit Notice(tr("%1 copied").arg(Channels(channels.size())));
}

void ChannelEditActions::OnCut() {
    const std::vector<int> channels = view_.table()->SelectedChannels();
    OnCopy();
    Change("cut of " + ChannelsText(channels.size()),
           [&](Image &image) { ClearChannels(image, channels); });
    emit Notice(tr("%1 cut").arg(Channels(channels.size())));
}

void ChannelEditActions::OnClear() {
    const std::vector<int> channels = view_.table()->SelectedChannels();
    Change("clearing of " + ChannelsText(channels.size()),
           [&](Image &image) { ClearChannels(image, channels); });
}

void ChannelEditActions::OnDelete() {
    const std::vector<int> channels = view_.table()->SelectedChannels();
    Change("delete of " + ChannelsText(channels.size()),
           [&](Image &image) { DeleteChannels(image, channels); });
    if (!channels.empty())
        view_.table()->SelectChannels(channels.front(), channels.front());
}

void ChannelEditActions::OnInsert() {
    const std::vector<int> channels = view_.table()->SelectedChannels();
    if (channels.empty())
        return;
    // Tried on a copy first, so a refusal leaves no step behind.
    Image trial = document_.image;
    if (const RowResult result = InsertEmptyChannel(trial, channels.front()); !result) {
        ShowProgramMessage(window_, tr("No channel was inserted."),
                           QString::fromStdString(result.message));
        return;
    }
    Change("insert of an empty channel",
           [&](Image &image) { InsertEmptyChannel(image, channels.front()); });
    view_.table()->SelectChannels(channels.front(), channels.front());
}

void ChannelEditActions::OnMove(int direction) {
    const std::vector<int> channels = view_.table()->SelectedChannels();
    Image trial = document_.image;
    if (const RowResult result = MoveChannels(trial, channels, direction); !result) {
        emit Notice(QString::fromStdString(result.message));
        return;
    }
    Change("move of " + ChannelsText(channels.size()) + (direction < 0 ? " up" : " down"),
           [&](Image &image) { MoveChannels(image, channels, direction); });
    // The selection moves with the channels.
    const int column = view_.table()->currentIndex().column();
    QItemSelection moved;
    for (int n : channels) {
        const int row = n - 1 + direction;
        moved.select(view_.table()->model()->index(row, 0),
                     view_.table()->model()->index(row, kChannelColumns - 1));
    }
    view_.table()->setCurrentIndex(
        view_.table()->model()->index(view_.table()->currentIndex().row() + direction, column));
    view_.table()->selectionModel()->select(moved, QItemSelectionModel::ClearAndSelect);
}

void ChannelEditActions::UpdateApplyText() {
    const QModelIndex current = view_.table()->currentIndex();
    const int column = current.isValid() ? current.column() : kColNumber;
    const bool editable =
        column > kColNumber && column < kChannelColumns &&
        ChannelColumns()[static_cast<std::size_t>(column)].editor != CellEditor::None;
    apply_->setEnabled(editable);
    if (!editable) {
        apply_->setText(tr("Set for selection"));
        return;
    }
    apply_->setText(tr("Set %1 to \"%2\" for selection")
                        .arg(UiText(ChannelColumns()[column].header))
                        .arg(current.data().toString().replace('&', "&&")));
}

void ChannelEditActions::OnApplyToSelection() {
    view_.StoreChannelTable();
    const QModelIndex current = view_.table()->currentIndex();
    if (!current.isValid() || ChannelColumns()[current.column()].editor == CellEditor::None)
        return;
    const int column = current.column();
    const std::string text = current.data(Qt::EditRole).toString().toStdString();
    std::vector<int> channels;
    for (int n : view_.table()->SelectedChannels())
        if (n != current.row() + 1 && !document_.table.IsRowEmpty(n))
            channels.push_back(n);
    const std::string label = std::string("setting of ") + ChannelColumns()[column].header +
                              " on " + ChannelsText(channels.size());
    Change(label, [&](Image &image) {
        for (int n : channels)
            EndCellEdit(document_.table, image, document_.limits, n, column, text);
        StoreChannelTable(document_.table, image, document_.limits);
    });
    emit Notice(tr("%1 set to \"%2\" on %3")
                    .arg(UiText(ChannelColumns()[column].header))
                    .arg(current.data().toString())
                    .arg(Channels(channels.size())));
}

void ChannelEditActions::OnPaste() {
    view_.StoreChannelTable();
    const std::optional<CsvClip> pasted =
        ChannelsFromMimeData(QApplication::clipboard()->mimeData(), document_.image);
    if (!pasted) {
        emit Notice(tr("The clipboard holds no channels."));
        return;
    }
    PasteChannels(*pasted);
}

void ChannelEditActions::PasteChannels(const CsvClip &pasted) {
    if (!pasted.skipped.empty()) {
        QStringList lines;
        for (const SkippedCsvRow &row : pasted.skipped)
            lines << (row.line > 0
                          ? tr("Line %1: %2").arg(row.line).arg(QString::fromStdString(row.reason))
                          : QString::fromStdString(row.reason));
        ShowProgramMessage(
            window_,
            pasted.clip.entries.empty() ? tr("No channel could be read from the pasted text.")
            : pasted.skipped.size() == 1
                ? tr("1 row of the pasted text could not be read and is left out.")
                : tr("%1 rows of the pasted text could not be read and are left out.")
                      .arg(pasted.skipped.size()),
            lines.join('\n'));
    }
    if (pasted.clip.entries.empty())
        return;
    const int at = view_.CurrentChannel();
    const PastePlan plan = PlanPaste(pasted.clip, at, document_.limits);
    if (!plan.Clean()) {
        const QString problems = QString::fromStdString(plan.Problems(document_.limits));
        if (plan.pasted() == 0) {
            ShowProgramMessage(window_, tr("Nothing was pasted."), problems);
            return;
        }
        const QString question =
            problems + "\n\n" +
            tr("Paste the other %1?").arg(Channels(static_cast<std::size_t>(plan.pasted())));
        if (QMessageBox::question(window_, kProgramCaption, question,
                                  QMessageBox::Yes | QMessageBox::Cancel,
                                  QMessageBox::Cancel) != QMessageBox::Yes)
            return;
    }
    const auto count = static_cast<std::size_t>(plan.pasted());
    Change("paste of " + ChannelsText(count),
           [&](Image &image) { ApplyPaste(image, pasted.clip, plan); });
    view_.table()->SelectChannels(plan.at, plan.at + plan.fitting - 1);
    emit Notice(tr("%1 pasted").arg(Channels(count)));
}

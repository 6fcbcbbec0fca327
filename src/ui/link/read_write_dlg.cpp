#include "ui/link/read_write_dlg.h"

#include "core/image/memory_map.h"
#include "core/link/serial_port.h"
#include "ui/widgets/core_text.h"
#include "ui/widgets/dialog_units.h"
#include "ui/widgets/message_box.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>
#include <atomic>
#include <system_error>

// Runs on the link thread: every call reaches the dialog as a queued call on its own thread.
class DialogLinkObserver : public dpmr::LinkObserver {
public:
    explicit DialogLinkObserver(CReadWriteDlg *dialog) : dialog_(dialog) {}

    void DisableStart() override {
        QMetaObject::invokeMethod(dialog_->start_, "setEnabled", Qt::QueuedConnection,
                                  Q_ARG(bool, false));
    }
    int StepProgress() override {
        const int position = ++position_;
        QMetaObject::invokeMethod(dialog_->progress_, "setValue", Qt::QueuedConnection,
                                  Q_ARG(int, position));
        return position;
    }
    void SetPercentText(const std::string &text) override {
        QMetaObject::invokeMethod(dialog_->percent_, "setText", Qt::QueuedConnection,
                                  Q_ARG(QString, QString::fromStdString(text)));
    }
    // The link waits for the user's OK, as it would for a message box of its own, so the
    // close request cannot overtake the message.
    void ShowMessage(const std::string &text, const std::string &detail) override {
        CReadWriteDlg *dialog = dialog_;
        QMetaObject::invokeMethod(
            dialog,
            [dialog, text, detail] {
                ShowProgramMessage(dialog, UiText(text), QString::fromStdString(detail));
            },
            Qt::BlockingQueuedConnection);
    }
    void RequestClose() override {
        QMetaObject::invokeMethod(dialog_, &CReadWriteDlg::OnCancel, Qt::QueuedConnection);
    }

private:
    CReadWriteDlg *dialog_;
    std::atomic<int> position_{0};
};

CReadWriteDlg::CReadWriteDlg(const QString &title, dpmr::LinkDirection direction,
                             std::string portName, const dpmr::Image &image, dpmr::LinkFlags &flags,
                             QWidget *parent)
    : QDialog(parent), direction_(direction), portName_(std::move(portName)), image_(image),
      flags_(flags) {
    setWindowTitle(title);
    setModal(true);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    progress_ = new QProgressBar(this);
    progress_->setRange(0, dpmr::kLinkBlockCount);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    progress_->setAccessibleName(tr("Progress"));
    percent_ = new QLabel("0%", this);
    percent_->setAlignment(Qt::AlignCenter);
    start_ = new QPushButton(tr("Start"), this);
    start_->setDefault(true);
    start_->setAutoDefault(true);
    cancel_ = new QPushButton(tr("Cancel"), this);
    cancel_->setAutoDefault(false);

    const DialogUnits du(font());
    const int buttonWidth = std::max(du.X(40), start_->sizeHint().width());
    const int buttonHeight = std::max(du.Y(14), start_->sizeHint().height());
    progress_->setGeometry(du.X(13), du.Y(11), du.X(173), du.Y(10));
    start_->setGeometry(du.X(13), du.Y(30), buttonWidth, buttonHeight);
    percent_->setGeometry(du.X(76), du.Y(30), du.X(48), buttonHeight);
    cancel_->setGeometry(du.X(186) - buttonWidth, du.Y(30), buttonWidth, buttonHeight);
    setFixedSize(du.X(200), du.Y(30) + buttonHeight + du.Y(11));

    connect(start_, &QPushButton::clicked, this, &CReadWriteDlg::OnStart);
    connect(cancel_, &QPushButton::clicked, this, &CReadWriteDlg::OnCancel);
    start_->setFocus();
}

CReadWriteDlg::~CReadWriteDlg() {
    // Closing always waits for the link's close request, so the thread has finished here;
    // the join only collects it. Should the dialog go away early, ask the link to stop.
    flags_.cancel = 1;
    if (thread_.joinable())
        thread_.join();
}

void CReadWriteDlg::OnStart() {
    if (flags_.busy != 0 || thread_.joinable())
        return; // one exchange per dialog, and never two at once
    flags_.busy = 1;
    observer_ = std::make_unique<DialogLinkObserver>(this);
    const dpmr::Image snapshot = image_;
    clock_.start();
    try {
        thread_ = std::thread([this, snapshot] {
            dpmr::SerialPort port;
            outcome_ =
                dpmr::RunRadioLink(direction_, portName_, snapshot, port, *observer_, flags_);
        });
    } catch (const std::system_error &error) {
        flags_.busy = 0; // no exchange runs, so Cancel must be able to close
        ShowProgramMessage(this, dpmr::kMessageCommunicationError, error.what());
    }
}

void CReadWriteDlg::OnCancel() {
    flags_.cancel = 1;
    if (flags_.busy == 0)
        Finish();
}

void CReadWriteDlg::Finish() {
    if (thread_.joinable())
        thread_.join(); // the close request is the link's last call
    if (clock_.isValid())
        elapsedMs_ = clock_.elapsed();
    done(QDialog::Rejected);
}

void CReadWriteDlg::closeEvent(QCloseEvent *event) {
    event->ignore();
    OnCancel();
}

#pragma once
// The progress dialog of one exchange with the radio. Start runs the exchange on its own
// thread; progress, messages and the close request come back as queued calls, so the thread
// never touches a widget. The thread works on its own copy of the image: Write sends the
// snapshot taken at Start, Read hands back a new image only when everything arrived.

#include "core/image/image.h"
#include "core/link/radio_link.h"

#include <QDialog>
#include <QElapsedTimer>
#include <memory>
#include <thread>

class QLabel;
class QProgressBar;
class QPushButton;

class CReadWriteDlg : public QDialog {
    Q_OBJECT
public:
    // `image` is read at Start: sent by a write, the base of a read.
    CReadWriteDlg(const QString &title, dpmr::LinkDirection direction, std::string portName,
                  const dpmr::Image &image, dpmr::LinkFlags &flags, QWidget *parent);
    ~CReadWriteDlg() override;

    // 1 only after a completed exchange; meaningful once the dialog has closed.
    int resultFlag() const { return outcome_.completed ? 1 : 0; }
    // A completed read's image.
    const dpmr::Image &receivedImage() const { return outcome_.image; }
    // Seconds from Start to the end of the exchange.
    double elapsedSeconds() const { return elapsedMs_ / 1000.0; }

    QPushButton *startButton() const { return start_; }
    QPushButton *cancelButton() const { return cancel_; }
    QProgressBar *progressBar() const { return progress_; }
    QLabel *percentText() const { return percent_; }

    void OnStart();
    // Cancel, Esc, the close box and the link's own close request all come here.
    void OnCancel();

    void reject() override { OnCancel(); }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    friend class DialogLinkObserver;
    void Finish();

    dpmr::LinkDirection direction_;
    std::string portName_;
    const dpmr::Image &image_;
    dpmr::LinkFlags &flags_;
    dpmr::LinkOutcome outcome_;
    std::unique_ptr<dpmr::LinkObserver> observer_;
    std::thread thread_;
    QElapsedTimer clock_;
    qint64 elapsedMs_ = 0;

    QProgressBar *progress_;
    QLabel *percent_;
    QPushButton *start_;
    QPushButton *cancel_;
};

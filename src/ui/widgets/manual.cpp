#include "ui/widgets/manual.h"

#include "core/app/app_paths.h"
#include "ui/widgets/message_box.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QStackedWidget>
#include <QTabWidget>
#include <QWidget>

namespace {

struct Topic {
    const char *className;
    const char *topic;
};

// Pages first: the page shown says more than the dialog around it.
constexpr Topic kTopics[] = {
    {"COneKeyPage", "editors.html#one-key"},
    {"CSideKeyPage", "editors.html#side-key"},
    {"CToneLightPage", "editors.html#tone-and-light"},
    {"CMenuPage", "editors.html#menu"},
    {"CPasswordPage", "editors.html#password"},
    {"CChannelEditDlg", "editors.html#channel-edit"},
    {"CScanInfoDlg", "editors.html#scan-info"},
    {"CBasicSettingDlg", "editors.html#basic-setting"},
    {"CAlarmDlg", "editors.html#alarm"},
    {"CDtmfDlg", "editors.html#dtmf"},
    {"CDpmrDlg", "editors.html#dpmr"},
    {"CVfoDlg", "editors.html#vfo"},
    {"CPmsDlg", "editors.html#pms-ch"},
    {"CPortDlg", "read-write.html#the-cable-and-the-port"},
    {"CReadWriteDlg", "read-write.html"},
    {"CCsvImportDlg", "csv.html"},
    {"CCsvImportReportDlg", "csv.html"},
};

const char *TopicOf(const QObject *object) {
    for (const Topic &topic : kTopics)
        if (object->inherits(topic.className))
            return topic.topic;
    return nullptr;
}

} // namespace

QString ManualTopicFor(const QWidget *window) {
    if (!window)
        return "index.html";
    for (const QTabWidget *tabs : window->findChildren<QTabWidget *>())
        if (const QWidget *page = tabs->currentWidget())
            if (const char *topic = TopicOf(page))
                return topic;
    const char *topic = TopicOf(window);
    return topic ? topic : "index.html";
}

QUrl ManualUrl(const QString &topic) {
    const QString folder =
        QString::fromStdString(dpmr::ExecutableFolder()) + "../share/dpmr-cps/manual/";
    const qsizetype hash = topic.indexOf(u'#');
    const QString file = folder + topic.left(hash);
    if (!QFileInfo::exists(file))
        return {};
    QUrl url = QUrl::fromLocalFile(QFileInfo(file).canonicalFilePath());
    if (hash >= 0)
        url.setFragment(topic.mid(hash + 1));
    return url;
}

std::function<bool(const QUrl &)> &ManualViewer() {
    static std::function<bool(const QUrl &)> viewer = [](const QUrl &url) {
        return QDesktopServices::openUrl(url);
    };
    return viewer;
}

bool OpenManual(const QString &topic) {
    const QUrl url = ManualUrl(topic);
    return !url.isEmpty() && ManualViewer()(url);
}

void ShowManual(QWidget *parent, const QString &topic) {
    if (OpenManual(topic))
        return;
    const QString folder =
        QString::fromStdString(dpmr::ExecutableFolder()) + "../share/dpmr-cps/manual";
    ShowProgramMessage(parent, QCoreApplication::translate("Manual", "The manual could not be "
                                                                     "opened: %1 is missing or "
                                                                     "no browser is set up.")
                                   .arg(QDir::cleanPath(folder + "/" + topic.section('#', 0, 0))));
}

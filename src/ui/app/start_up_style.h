#pragma once
// The application's style with the tool bar extension arrows drawn instead of read from image
// files: the menu bar and the tool bar ask for them when they are made, and reading them would
// load every image format plugin before the main window can show.

#include <QProxyStyle>

class CStartUpStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;

    // Makes it the application's style, once.
    static void Install();
};

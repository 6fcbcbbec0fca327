#pragma once
// Drops typed characters outside a field's character set as they are typed; editing and
// movement keys pass.

#include <QObject>
#include <QString>

class CharacterFilter : public QObject {
    Q_OBJECT
public:
    CharacterFilter(QString allowed, QObject *parent);
    // Installs a filter owned by the widget itself.
    static void Install(QObject *widget, const QString &allowed);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString allowed_;
};

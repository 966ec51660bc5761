#include "panels/mooditem.h"

#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/picturefile.h"
#include "materialwidgets/qtmaterialstyle.h"
#include "panels/moodplayback.h"
#include "shell/manageritem.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>

MoodItem::MoodItem(moodRecord mood, QWidget *parent) : QWidget(parent), record(mood)
{
    installEventFilter(this);
    setFixedSize(500, 320);
}

QString MoodItem::picturePath() const
{
    return ManagerItem::picturePathOf(MoodTile, QString::fromUtf8(record.mood_icon_name));
}

void MoodItem::play()
{
    playMood(record);
    emit gBroadcastSocket.signalsInformation(tr("Send successfully"));
}

bool MoodItem::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == this && event->type() == QEvent::MouseButtonPress)
        play();
    return QWidget::eventFilter(watched, event);
}

void MoodItem::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath clip;
    clip.addRoundedRect(rect(), 10, 10);
    painter.setClipPath(clip);

    const QString path = picturePath();
    if (!path.isEmpty())
        painter.drawPixmap(rect(), picturePixmap(path));

    painter.setFont(QtMaterialStyle::instance().themeFont(8));
    painter.setPen(Qt::white);
    const QString name =
        painter.fontMetrics().elidedText(QString::fromUtf8(record.mood_name), Qt::ElideRight, width() - 20);
    painter.drawText(QRect(20, 0, width() - 20, height()), Qt::AlignLeft | Qt::AlignVCenter, name);
    painter.end();
    QWidget::paintEvent(event);
}

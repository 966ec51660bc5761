#pragma once
// The card of one stored mood of a room: the mood's picture filling the card under its name. A press plays the
// mood from the database as it stands then (lights, air conditioners, floor heatings, free commands) and ends with
// the status text "Send successfully". The card neither polls nor listens to the bus.

#include "devicelink/devicerecords.h"

#include <QWidget>

class MoodItem : public QWidget
{
    Q_OBJECT

public:
    MoodItem(moodRecord mood, QWidget *parent);

    moodRecord mood() const { return record; }
    // The picture the card draws: the user's picture in the current project's folder for a name containing
    // "photo" (empty when it is missing), else the built-in mood picture.
    QString picturePath() const;
    // Plays the mood; the GUI thread is blocked until the last frame and its pause.
    void play();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    moodRecord record;
};

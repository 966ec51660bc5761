#pragma once
// The banner a page shows at its top while its device panels read their devices: it pulls down in four steps,
// spins while the panels work, tells when the same view was last refreshed, and says "Refresh Successfully"
// before it hides again. The time of every refresh is kept per view in tbl_last_update.
//
// Keys: "all_lightings", "all_airConditioners", "all_floorHeatings" for the device-kind pages and "%d_lighting",
// "%d_airConditioner", "%d_floorHeating" with the room id for a room's tabs.

#include <QDateTime>
#include <QTimer>
#include <QWidget>

class ProgressIndicator;
class QtMaterialLabel;

class RefreshingCtrl : public QWidget
{
    Q_OBJECT

public:
    explicit RefreshingCtrl(QWidget *parent);

    // Shows the banner from 20 px (also when it is still shown from an earlier start), the previous refresh time
    // of key (now, for the key's first refresh), and stores now as the key's refresh time.
    void startRefresh(const QString &lastUpdateId);

    // Test seam: the interval of the growing and hiding steps (100 ms).
    static void setStepInterval(int milliseconds);
    static int stepInterval();

    // The moment in the form the banner stores and shows ("Fri Dec 11 00:02:08 2026").
    static QString timeText(const QDateTime &moment);

    // Whether a growing or hiding step is still due.
    bool isStepping() const { return growTimer.isActive() || hideTimer.isActive(); }

public slots:
    // delay true: the panels have finished; "Refresh Successfully", hidden four steps later (a hidden banner
    // stays hidden). delay false: a page or tab change; hidden at once.
    void stopRefresh(bool delay);
    void stopRefresh();
    // The growing step and the hiding step, run by their timers.
    void loading();
    void delay();

private:
    QtMaterialLabel *labelStatus;
    QtMaterialLabel *labelLastUpdate;
    ProgressIndicator *spinner;
    int tickCount = 0;
    QTimer growTimer;
    QTimer hideTimer;
};

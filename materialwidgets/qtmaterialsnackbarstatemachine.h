#pragma once
// Drives a snackbar's slide-in, display time and slide-out through its hidden, shown and hiding states.

#include <QStateMachine>
#include <QTimer>

class QtMaterialSnackbar;

class QtMaterialSnackbarStateMachine : public QStateMachine
{
    Q_OBJECT

    Q_PROPERTY(qreal offset WRITE setOffset READ offset)

public:
    explicit QtMaterialSnackbarStateMachine(QtMaterialSnackbar *parent);
    ~QtMaterialSnackbarStateMachine() override;

    // 0: box fully slid in; 1: box slid out by its own height.
    void setOffset(qreal offset);
    qreal offset() const { return m_offset; }

public slots:
    // Ends the display of the text on show (or shows the next one when idle).
    void progress();

protected slots:
    void snackbarShown();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Q_DISABLE_COPY(QtMaterialSnackbarStateMachine)

    QtMaterialSnackbar *const m_snackbar;
    QTimer m_timer;
    qreal m_offset = 1;
};

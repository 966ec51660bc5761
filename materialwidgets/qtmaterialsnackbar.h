#pragma once
// The toast: a queue of short texts shown one at a time in a box that slides in, stays and slides out.

#include "materialwidgets/qtmaterialoverlaywidget.h"

#include <QColor>
#include <QScopedPointer>
#include <QStringList>

class QtMaterialSnackbarPrivate;
class QtMaterialSnackbarStateMachine;

class QtMaterialSnackbar : public QtMaterialOverlayWidget
{
    Q_OBJECT

    Q_PROPERTY(bool clickToDismissMode WRITE setClickToDismissMode READ clickToDismissMode)
    Q_PROPERTY(int autoHideDuration WRITE setAutoHideDuration READ autoHideDuration)
    Q_PROPERTY(int boxWidth WRITE setBoxWidth READ boxWidth)
    Q_PROPERTY(QColor backgroundColor WRITE setBackgroundColor READ backgroundColor)
    Q_PROPERTY(qreal backgroundOpacity WRITE setBackgroundOpacity READ backgroundOpacity)
    Q_PROPERTY(QColor textColor WRITE setTextColor READ textColor)

public:
    explicit QtMaterialSnackbar(QWidget *parent = nullptr);
    ~QtMaterialSnackbar() override;

    void setAutoHideDuration(int duration);
    int autoHideDuration() const;

    void setUseThemeColors(bool value);
    bool useThemeColors() const;

    void setBackgroundColor(const QColor &color);
    QColor backgroundColor() const;

    void setBackgroundOpacity(qreal opacity);
    qreal backgroundOpacity() const;

    void setTextColor(const QColor &color);
    QColor textColor() const;

    void setFontSize(qreal size);
    qreal fontSize() const;

    void setBoxWidth(int width);
    int boxWidth() const;

    void setClickToDismissMode(bool value);
    bool clickToDismissMode() const;

    // True: the box moves about the middle of the widget; false: it rises from the bottom edge.
    void setCentredPlacement(bool value);
    bool centredPlacement() const;

    // The queue, head first; the head is the text on show.
    QStringList messages() const;
    // Drops the oldest texts waiting behind the one on show until at most limit wait.
    void trimWaiting(int limit);

public slots:
    void addMessage(const QString &message);
    // Puts the text directly behind the one on show and moves the queue on at once.
    void addInstantMessage(const QString &message);

protected slots:
    void dequeue();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Q_DISABLE_COPY(QtMaterialSnackbar)
    friend class QtMaterialSnackbarStateMachine;

    const QScopedPointer<QtMaterialSnackbarPrivate> d;
};

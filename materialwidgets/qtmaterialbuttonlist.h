#pragma once
// A vertical list of full-width flat buttons, 50 px each, stacked from the top, for menus and option lists.

#include <QIcon>
#include <QScopedPointer>
#include <QWidget>

class QtMaterialButtonListPrivate;
class QtMaterialFlatButton;

class QtMaterialButtonList : public QWidget
{
    Q_OBJECT

    Q_PROPERTY(QColor foregroundColor WRITE setForegroundColor READ foregroundColor)
    Q_PROPERTY(QColor backgroundColor WRITE setBackgroundColor READ backgroundColor)

public:
    static constexpr int ButtonHeight = 50;

    explicit QtMaterialButtonList(QWidget *parent = nullptr);
    ~QtMaterialButtonList() override;

    void setUseThemeColors(bool value);
    bool useThemeColors() const;

    // Kept and answered only: the buttons keep their own colours.
    void setForegroundColor(const QColor &color);
    QColor foregroundColor() const;

    void setBackgroundColor(const QColor &color);
    QColor backgroundColor() const;

    void addButton(const QIcon &icon, const QString &text);
    void addButton(const QString &text);

    // An index outside 0 .. count() inserts at the nearer end.
    void insertButton(int index, const QIcon &icon, const QString &text);
    void insertButton(int index, const QString &text);

    int count() const;
    // The button at index, or null outside 0 .. count() - 1.
    QtMaterialFlatButton *button(int index) const;

    // Outside 0 .. count() - 1 the getters answer an empty text or a null icon and the setters change nothing.
    QString text(int index) const;
    void setText(int index, const QString &text);

    QIcon icon(int index) const;
    void setIcon(int index, const QIcon &icon);

    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;

    const QScopedPointer<QtMaterialButtonListPrivate> d_ptr;

private:
    Q_DISABLE_COPY(QtMaterialButtonList)
    Q_DECLARE_PRIVATE(QtMaterialButtonList)
};

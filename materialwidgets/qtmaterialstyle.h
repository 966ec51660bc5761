#pragma once
// The toolkit's one process-wide style: draws like the common style and answers the current theme's colours and fonts.

#include <QCommonStyle>
#include <QScopedPointer>

class QtMaterialTheme;
class QtMaterialStylePrivate;

class QtMaterialStyle : public QCommonStyle
{
    Q_OBJECT

public:
    static QtMaterialStyle &instance();

    ~QtMaterialStyle() override;

    const QColor &themeColor(int index) const;
    const QFont &themeFont(int index) const;
    QtMaterialTheme *theme() const;

    // Installs theme (null is ignored); every widget without a style of its own is told through a style change.
    void setTheme(QtMaterialTheme *theme);

signals:
    // Emitted after every theme installation, the first one included.
    void themeChanged();

private:
    QtMaterialStyle();
    Q_DISABLE_COPY(QtMaterialStyle)

    QScopedPointer<QtMaterialStylePrivate> d;
};

#pragma once
// The station's application style: the platform's own, passed through, but for the icon of the extension button
// that menu and tool bars make for actions that do not fit.
//
// Every such bar asks for that icon when it is made, and the platform's style reads it from a file without naming
// its format, which loads every installed image plugin (with SVG, GIF and ICO libraries) into the station for the
// rest of its run. The button shows only when a bar's actions overflow, which the main window's empty menu bar
// never does: the icon handed out asks the platform's style for the real one when it is first drawn or measured.

#include <QProxyStyle>

class StationStyle : public QProxyStyle
{
    Q_OBJECT

public:
    StationStyle();

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};

#pragma once
// The page ids: one constant per page that navigation knows, as written in the program and marked for
// translation in the "MainWindow" context. Requests carry and pages compare the translated id, trPageId(...),
// so every place names a page through a constant here and a misspelt id does not compile.

#include <QCoreApplication>
#include <QString>

namespace PageId {

inline constexpr char Home[] = QT_TRANSLATE_NOOP("MainWindow", "Home");
inline constexpr char Message[] = QT_TRANSLATE_NOOP("MainWindow", "Message");
inline constexpr char Log[] = QT_TRANSLATE_NOOP("MainWindow", "Log");
inline constexpr char Setting[] = QT_TRANSLATE_NOOP("MainWindow", "Setting");
inline constexpr char Rooms[] = QT_TRANSLATE_NOOP("MainWindow", "Rooms");
inline constexpr char View3D[] = QT_TRANSLATE_NOOP("MainWindow", "3D View");
inline constexpr char OperateRoom[] = QT_TRANSLATE_NOOP("MainWindow", "Operate Room");
inline constexpr char OperateRoom3DView[] = QT_TRANSLATE_NOOP("MainWindow", "Operate Room 3D View");
inline constexpr char ProjectSetting[] = QT_TRANSLATE_NOOP("MainWindow", "Project Setting");
inline constexpr char ProjectInformation[] = QT_TRANSLATE_NOOP("MainWindow", "Project Information");
inline constexpr char RoomTemplate[] = QT_TRANSLATE_NOOP("MainWindow", "Room Template");
inline constexpr char EditTemplate[] = QT_TRANSLATE_NOOP("MainWindow", "Edit Template");
inline constexpr char TemplateLightInformation[] = QT_TRANSLATE_NOOP("MainWindow", "Template Light Information");
inline constexpr char TemplatePanelInformation[] = QT_TRANSLATE_NOOP("MainWindow", "Template Panel Information");
inline constexpr char RoomsManager[] = QT_TRANSLATE_NOOP("MainWindow", "Rooms Manager");
inline constexpr char EditRoom[] = QT_TRANSLATE_NOOP("MainWindow", "Edit Room");
inline constexpr char MessageManager[] = QT_TRANSLATE_NOOP("MainWindow", "Message Manager");
inline constexpr char MessageInformation[] = QT_TRANSLATE_NOOP("MainWindow", "Message Information");
inline constexpr char ChangeDeviceAddress[] = QT_TRANSLATE_NOOP("MainWindow", "Change Device Address");
inline constexpr char NetworkSetting[] = QT_TRANSLATE_NOOP("MainWindow", "Network Setting");
inline constexpr char View3DManager[] = QT_TRANSLATE_NOOP("MainWindow", "3D View Manager");
inline constexpr char View3DSetting[] = QT_TRANSLATE_NOOP("MainWindow", "3D View Setting");
inline constexpr char About[] = QT_TRANSLATE_NOOP("MainWindow", "About");
inline constexpr char LightInformation[] = QT_TRANSLATE_NOOP("MainWindow", "Light Information");
inline constexpr char ACInformation[] = QT_TRANSLATE_NOOP("MainWindow", "AC Information");
inline constexpr char FloorHeatInformation[] = QT_TRANSLATE_NOOP("MainWindow", "Floor Heat Information");
inline constexpr char MoodsInformation[] = QT_TRANSLATE_NOOP("MainWindow", "Moods Information");
inline constexpr char DiyCommand[] = QT_TRANSLATE_NOOP("MainWindow", "Diy Command");
inline constexpr char PanelInformation[] = QT_TRANSLATE_NOOP("MainWindow", "Panel Information");
inline constexpr char Lighting[] = QT_TRANSLATE_NOOP("MainWindow", "Lighting");
inline constexpr char AC[] = QT_TRANSLATE_NOOP("MainWindow", "AC");
inline constexpr char FloorHeat[] = QT_TRANSLATE_NOOP("MainWindow", "Floor Heat");
inline constexpr char Moods[] = QT_TRANSLATE_NOOP("MainWindow", "Moods");

} // namespace PageId

// The translated form of a page id: what navigation requests carry and what a page's id compares equal to.
inline QString trPageId(const char *id)
{
    return QCoreApplication::translate("MainWindow", id);
}

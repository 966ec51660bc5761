#pragma once
// Line icons of the user interface: navigation, system actions, settings, network, air conditioner, room editing,
// check boxes, switch states, and the application's logos.

class ResourceWriter;

namespace icons {

void drawInterfaceIcons(ResourceWriter &out);
void drawAirConditionerIcons(ResourceWriter &out);
void drawRoomEditIcons(ResourceWriter &out);
void drawNetworkIcons(ResourceWriter &out);
void drawSettingsIcons(ResourceWriter &out);
void drawBranding(ResourceWriter &out);

} // namespace icons

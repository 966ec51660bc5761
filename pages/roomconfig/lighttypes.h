#pragma once
// The light kinds the light editors offer, one list for the room and the template light editors.

class QComboBox;

// Fills box with "On/Off" 0, "Adjust" 1, "RGB" 2, "HSB RGB" 6, "Scene" 7, "Dali DT8" 8, in that order; the value
// is each item's data under Qt::UserRole.
void fillLightTypes(QComboBox *box);

// Selects the item of a stored light type; a type without an item (3 to 5) selects the first, "On/Off".
void selectLightType(QComboBox *box, int lightType);

// The value of the selected item.
int selectedLightType(const QComboBox *box);

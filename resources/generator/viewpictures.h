#pragma once
// The 3D-view pictures: eight cut-away isometric floor plans of hotel rooms on which device markers are placed.

class ResourceWriter;

namespace viewpictures {

const int kCount = 8;
const int kWidth = 960;
const int kHeight = 540;

void drawViews(ResourceWriter &out);

} // namespace viewpictures

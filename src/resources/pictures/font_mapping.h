#pragma once

namespace korvex {

/// Maps Verdana, Tahoma, 微软雅黑 and 宋体 to this desktop's fonts; call before the first widget.
void MapWindowsFonts();

}  // namespace korvex

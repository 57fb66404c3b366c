#pragma once
// Image files through Qt's image readers and writers, for the window and the scenario runner.
#include <string>

#include "platform/ImagePixels.h"
#include "platform/SheetDrawing.h"

namespace gw {

ImageLoad DecodeImageFile(const std::string& path, ImagePixels& out);
bool WriteSheetPng(const SheetDrawing& sheet, const std::string& path);

}  // namespace gw

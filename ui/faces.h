#pragma once
// The design's two faces, by the names this system has them under.

#include <QString>

namespace ui {

QString songFamily();  // 宋体
QString kaiFamily();   // 华文行楷

}  // namespace ui

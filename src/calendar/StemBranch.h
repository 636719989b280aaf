#pragma once
// The sixty-day stem-branch (干支) cycle and the twelve earthly branches with their animals.
//
//   QDate ──dayCycleOf──> 0..59 (0 甲子) ──cycleName──> "丙辰"
//                            └──branchOfCycle──> 0..11 (0 子) ──branchName / animalName──> 辰 / 龙
//   "辰" or "辰龙" ──branchNamed──> 4        "龙" ──branchOfAnimal──> 4

#include <QChar>
#include <QDate>
#include <QString>

#include <optional>

namespace lumora {

// 0 甲子 … 59 癸亥; the day cycle runs unbroken through every calendar.
int dayCycleOf(const QDate& date);
QString cycleName(int cycle);
int branchOfCycle(int cycle);

// Branches 0 子 … 11 亥, each with its animal 鼠 … 猪.
QChar branchName(int branch);
QChar animalName(int branch);
std::optional<int> branchNamed(QChar branch);
std::optional<int> branchOfAnimal(QChar animal);

} // namespace lumora

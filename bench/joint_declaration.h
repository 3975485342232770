// A full joint declaration for the tax benchmarks: every income kind, presumptions, credits, levies.
#pragma once
#include "model/code_table.h"
#include "tax/result_set.h"

namespace dz::bench {

inline void FillJointDeclaration(CodeTable& codes, tax::ClearanceInputs& in) {
    codes.Clear();
    const struct {
        int code;
        double value;
    } amounts[] = {
        {101, 2000},  {105, 12000},  {103, 6000},  {104, 4800},  {111, 1000},   {113, 400},   {159, 300},
        {163, 2000},  {165, 3000},   {171, 1500},  {175, 200},   {291, 800},    {667, 1200},  {668, 300},
        {301, 32000}, {302, 18000},  {303, 0},     {351, 1200},  {352, 900},    {389, 5000},  {651, 600},
        {401, 24000}, {402, 6000},   {413, 1000},  {415, 2000},  {425, 90000},  {426, 30000}, {461, 7000},
        {465, 500},   {825, 3000},   {829, 2500},  {871, 500},   {255, 4000},   {201, 1},     {661, 1500},
        {659, 800},   {619, 400},    {115, 4452},  {116, 4452},  {117, 2226},   {851, 6160},  {854, 8800},
        {711, 18000}, {765, 12800},  {719, 15000}, {736, 20000}, {769, 5000},   {770, 2000},  {781, 8000},
        {783, 3000},  {49, 9000},   {61, 1500},  {663, 4000},  {51, 2500},   {52, 1500},  {59, 600},
        {75, 300},   {77, 200},    {5, 1},     {315, 4500},  {316, 2500},   {293, 120},   {601, 1800},
        {605, 300},   {827, 100},    {901, 2500},  {902, 400},   {655, 2000},   {333, 300},   {334, 150},
        {741, 500},   {931, 2},      {935, 6},     {933, 10},
    };
    for (const auto& a : amounts) codes.SetValue(a.code, a.value);
    for (int code : {35, 7, 887, 240, 14}) codes.SetTicked(code, true);
    in = tax::ClearanceInputs{};
    in.Married = true;
    in.LateMonths = 0;
    in.FeeSeatLargeCity = {true, false};
    in.LuxuryAssets.Base5 = {6160, 0};
    in.LuxuryAssets.Base13 = {30800, 8800};
    in.LuxuryAssets.Tax5 = {308, 0};
    in.LuxuryAssets.Tax13 = {4004, 1144};
}

}  // namespace dz::bench

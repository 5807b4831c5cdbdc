#include "settings/KeyName.h"

#include <algorithm>
#include <iterator>

namespace {
struct KeyRecord {
  WORD code;
  const char* name;
};

// Ascending by code, for the binary search.
const KeyRecord kKeys[] = {
    {0x01, "L-Button"},   {0x02, "R-Button"},    {0x03, "Cancel"},      {0x04, "M-Button"},
    {0x08, "Back space"}, {0x09, "Tab"},         {0x0C, "Clear"},       {0x0D, "Return"},
    {0x10, "Shift"},      {0x11, "Ctrl"},        {0x12, "Alt"},         {0x13, "Pause"},
    {0x14, "Capital"},    {0x15, "Kana"},        {0x17, "Junja"},       {0x18, "Final"},
    {0x19, "Kanji"},      {0x1B, "Escape"},      {0x1C, "Convert"},     {0x1D, "Non Convert"},
    {0x1E, "Accept"},     {0x1F, "Mode Change"}, {0x20, "Space"},       {0x21, "Page Up"},
    {0x22, "Page Down"},  {0x23, "End"},         {0x24, "Home"},        {0x25, "Left"},
    {0x26, "Up"},         {0x27, "Right"},       {0x28, "Down"},        {0x29, "Select"},
    {0x2A, "Print"},      {0x2B, "Execute"},     {0x2C, "Snapshot"},    {0x2D, "Insert"},
    {0x2E, "Delete"},     {0x2F, "Help"},        {0x5B, "LWin"},        {0x5C, "RWin"},
    {0x5D, "Apps"},       {0x60, "Num 0"},       {0x61, "Num 1"},       {0x62, "Num 2"},
    {0x63, "Num 3"},      {0x64, "Num 4"},       {0x65, "Num 5"},       {0x66, "Num 6"},
    {0x67, "Num 7"},      {0x68, "Num 8"},       {0x69, "Num 9"},       {0x6A, "Num *"},
    {0x6B, "Num +"},      {0x6C, "Num Enter"},   {0x6D, "Num -"},       {0x6E, "Num ."},
    {0x6F, "Num /"},      {0x70, "F1"},          {0x71, "F2"},          {0x72, "F3"},
    {0x73, "F4"},         {0x74, "F5"},          {0x75, "F6"},          {0x76, "F7"},
    {0x77, "F8"},         {0x78, "F9"},          {0x79, "F10"},         {0x7A, "F11"},
    {0x7B, "F12"},        {0x7C, "F13"},         {0x7D, "F14"},         {0x7E, "F15"},
    {0x7F, "F16"},        {0x80, "F17"},         {0x81, "F18"},         {0x82, "F19"},
    {0x83, "F20"},        {0x84, "F21"},         {0x85, "F22"},         {0x86, "F23"},
    {0x87, "F24"},        {0x90, "Num Lock"},    {0x91, "Scroll Lock"}, {0xA0, "LShift"},
    {0xA1, "RShift"},     {0xA2, "LControl"},    {0xA3, "RControl"},    {0xA4, "LAlt"},
    {0xA5, "RAlt"},       {0xF6, "Attn"},        {0xF7, "Crsel"},       {0xF8, "ExSel"},
    {0xF9, "ErEof"},      {0xFA, "Play"},        {0xFB, "Zoom"},        {0xFC, "NoName"},
    {0xFD, "PA1"},        {0xFE, "OEM Clear"},
};
}  // namespace

std::string KeyName(UINT code) {
  if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z'))
    return std::string(1, static_cast<char>(code));
  if (code == 0) return "なし";
  auto found = std::lower_bound(std::begin(kKeys), std::end(kKeys), code,
                                [](const KeyRecord& r, UINT c) { return r.code < c; });
  if (found != std::end(kKeys) && found->code == code) return found->name;
  UINT character = ::MapVirtualKeyA(code, MAPVK_VK_TO_CHAR) & 0xFFFF;
  if (character != 0 && character < 0x100) return std::string(1, static_cast<char>(character));
  return "Unknown";
}

std::string HotKeyText(DWORD value) {
  std::string text;
  if (value & 0x200) text += "Ctrl + ";
  if (value & 0x400) text += "Shift + ";
  if (value & 0x100) text += "Alt + ";
  return text + KeyName(value & 0xFF);
}

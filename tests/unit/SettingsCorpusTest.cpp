#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "core/BarOptions.h"
#include "core/ButtonRecord.h"
#include "core/ProfileSection.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/TabDataList.h"
#include "tests/unit/TempProgramFolder.h"

// Well over a thousand damaged settings files, made from valid ones, each loaded, saved and
// loaded again: nothing may crash, every button the first load saw must survive the save, and
// the saved file must read back to the same tabs.
namespace {

const char* const kValidFiles[] = {
    "[Common]\r\nTrans=10\r\nStyle=33500\r\nNewBtnNum=2\r\nRctNo=3\r\nEmblem=ユーザー\r\n"
    "[Order]\r\n1=1\r\n2=1\r\n3=-1\r\n"
    "[Tab1]\r\nNo=4\r\nDesc=メイン\r\nColor=16777240\r\nTxtColor=33554432\r\n"
    "Btn1=C:\\Program Files\\エディタ\\edit.exe\r\nBtn2=/\r\nBtn3=C:\\a|b.exe|6/0/255/1/15\r\n"
    "Btn4=&#17\r\n"
    "[Tab2]\r\nNo=2\r\nDesc=ツール\r\nBtn1=D:\\ソフト\\表.lnk|1\r\nBtn2=*\r\n"
    "[Tab3]\r\nNo=1\r\nDesc=隠し\r\nBtn1=C:\\Windows\\notepad.exe|4/2/0/0/65280\r\n"
    "[RecentUsed]\r\nBtn1=C:\\Windows\\notepad.exe\r\nBtn2=\r\n",
    "[Order]\n7=1\n2=1\n[Tab7]\nDesc=x\nBtn1=a.exe\nBtn2=b.exe|2/\n[Tab2]\nNo=3\nBtn2=c.exe\n",
};

const int kFlippedFiles = 150;

std::string Recode(const std::string& text, UINT from, UINT to) {
  int wideLength =
      ::MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(wideLength), L'\0');
  ::MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), &wide[0], wideLength);
  if (to == 1200) return std::string(reinterpret_cast<const char*>(wide.data()), wide.size() * 2);
  int length = ::WideCharToMultiByte(to, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(length), '\0');
  ::WideCharToMultiByte(to, 0, wide.data(), wideLength, &out[0], length, nullptr, nullptr);
  return out;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    end = end == std::string::npos ? text.size() : end + 1;
    lines.push_back(text.substr(start, end - start));
    start = end;
  }
  return lines;
}

std::string Join(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line;
  return text;
}

// Every damaged variant of a valid file, handed to sink one by one.
void MakeCorpus(const std::string& valid, const std::function<void(const std::string&)>& sink) {
  // Truncated at every kind of boundary: before and after line ends, brackets, equals signs,
  // bars and slashes, and between the two bytes of a double-byte character.
  for (size_t n = 0; n < valid.size(); ++n) {
    bool boundary = std::strchr("\r\n[]=|/", valid[n]) != nullptr ||
                    (n > 0 && std::strchr("\r\n[]=|/", valid[n - 1]) != nullptr) ||
                    (n > 0 && ::IsDBCSLeadByteEx(932, static_cast<BYTE>(valid[n - 1])));
    if (boundary) sink(valid.substr(0, n));
  }
  // Bytes flipped, a few at a time, by a fixed sequence so every run sees the same files.
  unsigned seed = 12345;
  auto next = [&seed] { return seed = seed * 1103515245u + 12345u, seed >> 8; };
  for (int i = 0; i < kFlippedFiles; ++i) {
    std::string flipped = valid;
    for (unsigned k = 0, count = 1 + next() % 4; k < count; ++k) {
      flipped[next() % flipped.size()] = static_cast<char>(next() & 0xFF);
    }
    sink(flipped);
  }
  // Each line twice, and the whole file twice (every section repeated).
  std::vector<std::string> lines = Lines(valid);
  for (size_t i = 0; i < lines.size(); ++i) {
    std::vector<std::string> twice = lines;
    twice.insert(twice.begin() + static_cast<long>(i), lines[i]);
    sink(Join(twice));
  }
  sink(valid + "\r\n" + valid);
  // Lines of 100,000 bytes: as a value, a key, a section name, a whole line.
  const std::string longText(100000, 'L');
  for (size_t i = 0; i < lines.size(); i += 3) {
    std::vector<std::string> changed = lines;
    size_t equals = changed[i].find('=');
    changed[i] = equals == std::string::npos ? "[" + longText + "]\r\n"
                                             : changed[i].substr(0, equals + 1) + longText + "\r\n";
    sink(Join(changed));
  }
  sink(longText + "=1\r\n" + valid);
  sink(valid + longText);
  // Numbers at and past their limits wherever the file holds a number.
  const char* const numbers[] = {"0",          "-1",          "2147483647",
                                 "2147483648", "-2147483648", "-2147483649",
                                 "4294967295", "4294967296",  "99999999999999999999",
                                 "1e9",        "+7",          " 12 x"};
  const char* const numericKeys[] = {
      "No=", "Color=", "TxtColor=", "1=", "2=", "NewBtnNum=", "RctNo=", "Style="};
  for (const char* key : numericKeys) {
    for (const char* number : numbers) {
      std::vector<std::string> changed = lines;
      for (auto& line : changed) {
        if (line.compare(0, strlen(key), key) == 0) line = std::string(key) + number + "\r\n";
      }
      sink(Join(changed));
      sink(valid + "[Order]\r\n" + number + "=1\r\n[Tab" + number + "]\r\nNo=" + number +
           "\r\nBtn1=x.exe|" + number + "/" + number + "/" + number + "/" + number + "/" + number +
           "\r\n");
    }
  }
  // Broken double-byte sequences: a lead byte before a line end, a bar, an equals sign, the end.
  const char* const leads[] = {"\x81", "\x9F", "\xE0", "\xFC", "\x80", "\xA0", "\xFD", "\xFF"};
  for (const char* lead : leads) {
    for (const char* after : {"\r\n", "|4\r\n", "=x\r\n", "]\r\n", ""}) {
      sink("[Order]\r\n1=1\r\n[Tab1]\r\nDesc=a" + std::string(lead) + after + "Btn1=b" + lead +
           after + "Btn2=c.exe\r\n");
    }
  }
  // Other encodings, with and without a byte-order mark.
  const std::string utf8 = Recode(valid, 932, CP_UTF8);
  const std::string utf16 = Recode(valid, 932, 1200);
  std::string utf16be = utf16;
  for (size_t i = 0; i + 1 < utf16be.size(); i += 2) std::swap(utf16be[i], utf16be[i + 1]);
  sink(utf8);
  sink("\xEF\xBB\xBF" + utf8);
  sink(utf16);
  sink("\xFF\xFE" + utf16);
  sink("\xFE\xFF" + utf16be);
  sink("\xFF\xFE" + utf16.substr(0, utf16.size() - 1));  // odd length
  sink("");
}

// What a load shows: every tab's number, name and cells, in order.
std::string Describe(const CTabDataList& list) {
  std::string text;
  auto add = [&text](const CTabDataList& tabs) {
    for (const auto& tab : tabs.GetTabs()) {
      text += "[" + std::to_string(tab->m_number) + " " + tab->m_name + " " +
              std::to_string(tab->m_color) + " " + std::to_string(tab->m_textColor) + "]";
      for (const auto& button : tab->m_buttons) text += FormatButtonRecord(*button) + "\n";
    }
  };
  add(list);
  if (list.GetHiddenList() != nullptr) add(*list.GetHiddenList());
  return text;
}

// The buttons the file itself holds for a loaded tab, as the key reader reads them (the section
// is read once: a tab may have ten thousand cells): each must be in the model at its place.
int LostButtons(const CTabDataList& list) {
  int lost = 0;
  auto check = [&lost](const CTabDataList& tabs) {
    for (const auto& tab : tabs.GetTabs()) {
      std::string section = "Tab" + std::to_string(tab->m_number);
      CProfileSection values(g_settingsFile, section.c_str());
      for (int i = 0; i < tab->GetButtonCount(); ++i) {
        std::string key = "Btn" + std::to_string(i + 1);
        std::string stored = values.GetString(key.c_str(), "");
        if (stored.empty()) continue;
        if (ParseButtonRecord(stored, 932).m_command != tab->m_buttons[i]->m_command) ++lost;
      }
    }
  };
  check(list);
  if (list.GetHiddenList() != nullptr) check(*list.GetHiddenList());
  return lost;
}

TEST(SettingsCorpus, DamagedFilesLoadSaveAndReadBackWithoutLosingButtons) {
  TempProgramFolder folder;
  int files = 0, crashes = 0, lostButtons = 0, notReadBack = 0;
  // The first few failures tell the story; a thousand would bury it.
  auto shown = [&] { return crashes + notReadBack < 5; };
  auto run = [&](const std::string& bytes) {
    ++files;
    folder.WriteRaw(bytes);
    try {
      g_barOptions.Clear();
      CTabDataList first;
      first.LoadAll();
      g_barOptions.GetInt("RctNo", 3);
      g_barOptions.GetString("Emblem", "");
      lostButtons += LostButtons(first);
      const std::string before = Describe(first);
      // Every section is written again, not only those that look changed.
      for (const auto& tab : first.GetTabs()) tab->m_savedLines.clear();
      first.SetModified();
      if (!first.SaveAll()) {
        if (shown()) ADD_FAILURE() << "file " << files << " could not be saved";
        ++notReadBack;
        return;
      }
      g_barOptions.Clear();
      CTabDataList again;
      again.LoadAll();
      if (Describe(again) != before) {
        if (shown())
          ADD_FAILURE() << "file " << files << " reads back differently:\n"
                        << before << "---\n"
                        << Describe(again);
        ++notReadBack;
      }
    } catch (const std::exception& e) {
      if (shown()) ADD_FAILURE() << "file " << files << ": " << e.what();
      ++crashes;
    }
  };
  for (const char* valid : kValidFiles) MakeCorpus(valid, run);

  // A folder where the file should be: nothing to read, nothing written, no crash.
  ::DeleteFileA(folder.IniPath().c_str());
  ASSERT_TRUE(::CreateDirectoryA(folder.IniPath().c_str(), nullptr));
  ++files;
  g_barOptions.Clear();
  CTabDataList none;
  none.LoadAll();
  none.SetModified();
  EXPECT_FALSE(none.SaveAll());
  ::RemoveDirectoryA(folder.IniPath().c_str());
  g_barOptions.Clear();

  std::printf("settings corpus: %d files, %d crashes, %d lost buttons, %d not read back\n", files,
              crashes, lostButtons, notReadBack);
  EXPECT_GE(files, 1000);
  EXPECT_EQ(crashes, 0);
  EXPECT_EQ(lostButtons, 0);
  EXPECT_EQ(notReadBack, 0);
}

}  // namespace

// LoadAll + SaveAll of a large settings file against the bare private-profile
// calls the same work needs, measured in the same run. Prints one line per
// figure: measured, baseline, ratio.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "core/Globals.h"
#include "core/TabDataList.h"
#include "framework/WinApp.h"

CWinApp theBenchApp("Kestrel");

namespace {
const int kTabs = 100;
const int kButtons = 100;

std::string GeneratedIni() {
  std::string text = "[Common]\r\nTrans=10\r\n[Order]\r\n";
  for (int t = 1; t <= kTabs; ++t) text += std::to_string(t) + (t % 10 == 0 ? "=-1\r\n" : "=1\r\n");
  for (int t = 1; t <= kTabs; ++t) {
    text += "[Tab" + std::to_string(t) + "]\r\nNo=" + std::to_string(kButtons) + "\r\nDesc=タブ" +
            std::to_string(t) + "\r\nColor=33554432\r\nTxtColor=255\r\n";
    for (int b = 1; b <= kButtons; ++b) {
      text += "Btn" + std::to_string(b) + "=C:\\Program Files\\App" + std::to_string(b) +
              "\\app.exe" + (b % 3 == 0 ? "|4/0/255/1/15" : "") + "\r\n";
    }
  }
  return text;
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

double Milliseconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

// The model's way: everything the program does at start and at exit, with
// one button of every tab edited so that every section is written back.
double RunModel(const std::string& path, const std::string& ini) {
  WriteFile(path, ini);
  auto start = std::chrono::steady_clock::now();
  {
    CTabDataList model;
    model.LoadAll();
    auto edit = [&model](CTabDataList& list) {
      for (const auto& tab : list.GetTabs()) model.SetButton(*tab, 0, "C:\\edited.exe");
    };
    edit(model);
    if (model.GetHiddenList()) edit(*model.GetHiddenList());
    model.SaveAll();
  }
  return Milliseconds(std::chrono::steady_clock::now() - start);
}

// The same reads and whole-section writes, straight through the system.
double RunBaseline(const std::string& path, const std::string& ini) {
  WriteFile(path, ini);
  const char* file = path.c_str();
  auto start = std::chrono::steady_clock::now();
  std::vector<char> order(65536);
  DWORD length = ::GetPrivateProfileSectionA("Order", order.data(), order.size(), file);
  std::vector<int> numbers;
  for (const char* p = order.data(); p < order.data() + length && *p; p += strlen(p) + 1)
    numbers.push_back(atoi(p));
  std::vector<std::string> sections(numbers.size());
  char value[4096];
  for (size_t i = 0; i < numbers.size(); ++i) {
    std::string section = "Tab" + std::to_string(numbers[i]);
    ::GetPrivateProfileStringA(section.c_str(), "Desc", "", value, sizeof value, file);
    std::string text = "No=" + std::to_string(kButtons) + '\0' + "Desc=" + value + '\0';
    UINT color = ::GetPrivateProfileIntA(section.c_str(), "Color", 0x2000000, file);
    UINT txtColor = ::GetPrivateProfileIntA(section.c_str(), "TxtColor", 0x2000000, file);
    int count = static_cast<int>(::GetPrivateProfileIntA(section.c_str(), "No", 1, file));
    text += "Color=" + std::to_string(color) + '\0' + "TxtColor=" + std::to_string(txtColor) + '\0';
    for (int b = 1; b <= count; ++b) {
      std::string key = "Btn" + std::to_string(b);
      ::GetPrivateProfileStringA(section.c_str(), key.c_str(), "*", value, sizeof value, file);
      text += key + "=" + (b == 1 ? std::string("C:\\edited.exe") : std::string(value)) + '\0';
    }
    sections[i] = text + '\0';
  }
  std::string orderText;
  for (int n : numbers) orderText += std::to_string(n) + "=1" + '\0';
  orderText += '\0';
  ::WritePrivateProfileSectionA("Order", orderText.c_str(), file);
  for (size_t i = 0; i < numbers.size(); ++i) {
    std::string section = "Tab" + std::to_string(numbers[i]);
    ::WritePrivateProfileSectionA(section.c_str(), sections[i].c_str(), file);
  }
  return Milliseconds(std::chrono::steady_clock::now() - start);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}
}  // namespace

int main() {
  char temp[MAX_PATH];
  ::GetTempPathA(MAX_PATH, temp);
  std::string folder =
      std::string(temp) + "kestrel-bench-" + std::to_string(::GetCurrentProcessId());
  ::CreateDirectoryA(folder.c_str(), nullptr);
  std::string path = folder + "\\Kestrel.ini";
  g_settingsFile.SetPath(path);
  std::string ini = GeneratedIni();

  std::vector<double> model, baseline;
  RunModel(path, ini);  // warm the file system and the profile cache alike
  RunBaseline(path, ini);
  for (int round = 0; round < 7; ++round) {
    model.push_back(RunModel(path, ini));
    baseline.push_back(RunBaseline(path, ini));
  }
  double m = Median(model), b = Median(baseline);
  std::printf("LoadAll+SaveAll %dx%d: %.1f ms, baseline %.1f ms, ratio %.2f\n", kTabs, kButtons, m,
              b, m / b);
  ::DeleteFileA(path.c_str());
  ::RemoveDirectoryA(folder.c_str());
  return 0;
}

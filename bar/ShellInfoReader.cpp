#include "bar/ShellInfoReader.h"

#include <objbase.h>
#include <shellapi.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>

struct CShellInfoReader::Shared {
  std::mutex lock;
  std::condition_variable wake;
  std::deque<Job> jobs;
  // Only panels that asked and were not forgotten receive answers.
  std::map<HWND, std::vector<Answer>> answers;
  bool stop = false;
  bool paused = false;
  std::atomic<HIMAGELIST> large{nullptr};
  std::atomic<HIMAGELIST> small{nullptr};
};

namespace {
HIMAGELIST OpenSystemImageList(bool large) {
  SHFILEINFOA info{};
  return reinterpret_cast<HIMAGELIST>(
      ::SHGetFileInfoA("C:\\", 0, &info, sizeof info,
                       SHGFI_SYSICONINDEX | (large ? SHGFI_LARGEICON : SHGFI_SMALLICON)));
}
}  // namespace

CShellInfoReader::CShellInfoReader() : m_shared(std::make_shared<Shared>()) {}

CShellInfoReader::~CShellInfoReader() {
  {
    std::lock_guard<std::mutex> guard(m_shared->lock);
    m_shared->stop = true;
    m_shared->jobs.clear();
  }
  m_shared->wake.notify_all();
  if (m_thread) {
    // The thread holds its own reference to the shared state, so it may
    // outlive this object safely.
    ::WaitForSingleObject(m_thread, 1000);
    ::CloseHandle(m_thread);
  }
}

bool CShellInfoReader::Start(bool paused) {
  if (m_thread) return true;
  m_shared->paused = paused;
  auto* reference = new std::shared_ptr<Shared>(m_shared);
  m_thread = ::CreateThread(nullptr, 0, ThreadMain, reference, 0, nullptr);
  if (!m_thread) delete reference;
  return m_thread != nullptr;
}

void CShellInfoReader::Go() {
  {
    std::lock_guard<std::mutex> guard(m_shared->lock);
    m_shared->paused = false;
  }
  m_shared->wake.notify_all();
}

void CShellInfoReader::Ask(std::vector<Job> jobs) {
  if (jobs.empty()) return;
  {
    std::lock_guard<std::mutex> guard(m_shared->lock);
    for (const Job& job : jobs) m_shared->answers[job.panel];
    m_shared->jobs.insert(m_shared->jobs.begin(), std::make_move_iterator(jobs.begin()),
                          std::make_move_iterator(jobs.end()));
  }
  m_shared->wake.notify_one();
}

std::vector<CShellInfoReader::Answer> CShellInfoReader::TakeAnswers(HWND panel) {
  std::lock_guard<std::mutex> guard(m_shared->lock);
  auto found = m_shared->answers.find(panel);
  if (found == m_shared->answers.end()) return {};
  std::vector<Answer> taken;
  taken.swap(found->second);
  return taken;
}

void CShellInfoReader::Forget(HWND panel) {
  std::lock_guard<std::mutex> guard(m_shared->lock);
  m_shared->answers.erase(panel);
  auto& jobs = m_shared->jobs;
  for (auto it = jobs.begin(); it != jobs.end();) it = it->panel == panel ? jobs.erase(it) : it + 1;
}

HIMAGELIST CShellInfoReader::GetImageList(bool large) const {
  return large ? m_shared->large.load() : m_shared->small.load();
}

DWORD WINAPI CShellInfoReader::ThreadMain(void* parameter) {
  std::shared_ptr<Shared> shared = std::move(*static_cast<std::shared_ptr<Shared>*>(parameter));
  delete static_cast<std::shared_ptr<Shared>*>(parameter);
  // Shortcuts are read through COM; a drive without its medium must not
  // stop anything with a system box.
  const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  ::SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, nullptr);
  {
    // Opening the image lists loads libraries, and the loader is shared with
    // the window thread: wait until the bar is on screen.
    std::unique_lock<std::mutex> guard(shared->lock);
    shared->wake.wait_for(guard, std::chrono::seconds(1),
                          [&] { return shared->stop || !shared->paused; });
    if (shared->stop) {
      guard.unlock();
      if (SUCCEEDED(com)) ::CoUninitialize();
      return 0;
    }
  }
  shared->large = OpenSystemImageList(true);
  shared->small = OpenSystemImageList(false);
  for (;;) {
    Job job;
    {
      std::unique_lock<std::mutex> guard(shared->lock);
      shared->wake.wait(guard, [&] { return shared->stop || !shared->jobs.empty(); });
      if (shared->stop) break;
      job = std::move(shared->jobs.front());
      shared->jobs.pop_front();
    }
    ButtonShellInfo info = ReadButtonShellInfo(job.command, job.flags);
    bool wasEmpty = false;
    {
      std::lock_guard<std::mutex> guard(shared->lock);
      auto found = shared->answers.find(job.panel);
      if (found == shared->answers.end()) continue;  // forgotten meanwhile
      wasEmpty = found->second.empty();
      found->second.push_back({job.serial, std::move(info)});
    }
    // One message wakes the panel for every answer gathered until it looks.
    if (wasEmpty) ::PostMessageA(job.panel, WM_SHELL_INFO_READ, 0, 0);
  }
  if (SUCCEEDED(com)) ::CoUninitialize();
  return 0;
}

// A folder run through the real main window beside sealwick-cli and a loop of Debian's native
// qpdf command, over the same files, in rounds that take turns so a load that comes and goes
// falls on all three alike. Two sets: the generated one (ordinary, picture-heavy, object-heavy
// and a few large files) and one of small files, where the window's own costs per file weigh
// most. The window's run is also taken apart into its steps, each timed where it runs.
//
//   window_run_bench --make <folder> [set...]      writes the sets into <folder>\<set>\in
//   window_run_bench --round <folder> <round> <set>  runs the window and the console once
//   window_run_bench --report <folder>             prints the figures of every round
//
// The script times the native loop itself (a process per file, as a script would do it) and
// writes its times into <folder>\times.txt beside ours: "<set> <round> native <seconds>".
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <commctrl.h>

#include "app/main_window.h"
#include "app/window_protection_view.h"
#include "bench_common.h"
#include "bench_window.h"
#include "controls/enhanced_list_ctrl.h"
#include "engine/protection_view.h"
#include "engine/result_row.h"
#include "engine/run_workers.h"
#include "framework/message_box.h"
#include "res/resource.h"
#include "tests/support/pdf_factory.h"
#include "tests/support/scratch.h"

namespace
{
constexpr double kTargetWindowToConsole = 1.15;
constexpr double kTargetWindowToNative = 0.6;
constexpr double kTargetAnswerMs = 100.0;
constexpr size_t kSmallLimit = 20 * 1024;
// A user's click at most every 20 ms: probing faster would itself load the window.
constexpr DWORD kProbeEveryMs = 20;
const char* const kOpen = "open";
const char* const kOwner = "owner";

double TimeMs(const std::function<void()>& work)
{
    const double start = NowMs();
    work();
    return NowMs() - start;
}

std::vector<std::string> PdfNames(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((folder + "\\*.pdf").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do
        names.push_back(entry.cFileName);
    while (FindNextFileA(search, &entry));
    FindClose(search);
    return names;
}

void EmptyFolder(const std::string& folder)
{
    for (const std::string& name : PdfNames(folder))
        DeleteFileA((folder + "\\" + name).c_str());
    CreateDirectoryA(folder.c_str(), nullptr);
}

// Damaged copies of a good file: cut short (the library may rebuild what is left, or give
// up), or no PDF at all.
std::string DamagedCopy(const std::string& whole, int i)
{
    if (i % 4 == 3)
        return "this is not a PDF file, only its name says so\n";
    return whole.substr(0, whole.size() * static_cast<size_t>(30 + 3 * (i % 20)) / 100);
}

struct SetMaker
{
    std::string in;
    int count = 0;
    size_t bytes = 0, largest = 0;
    std::map<std::string, int> kinds;

    void Make(const char* kind, int i, const PdfRecipe& recipe) { Add(kind, i, "", &recipe); }
    void Add(const char* kind, int i, const std::string& bytesOut, const PdfRecipe* recipe)
    {
        char name[64];
        std::snprintf(name, sizeof name, "\\%s_%03d.pdf", kind, i);
        size_t size = bytesOut.size();
        if (recipe)
            size = MakePdf(in + name, *recipe);
        else
            WriteFileBytes(in + name, bytesOut);
        bytes += size;
        largest = std::max(largest, size);
        ++count;
        ++kinds[kind];
    }
    void Print(const char* set) const
    {
        std::printf("%s set: %d PDFs, %.1f MB, largest %.1f KB:", set, count,
                    static_cast<double>(bytes) / (1 << 20), static_cast<double>(largest) / 1024);
        for (const auto& kind : kinds)
            std::printf(" %d %s", kind.second, kind.first.c_str());
        std::printf("\n");
    }
};

// Mostly ordinary text and picture documents, some with thousands of small objects, a few
// large files, and the ones a run must refuse: damaged and already encrypted files.
void MakeGeneratedSet(const std::string& in)
{
    CreateDirectoryA(in.c_str(), nullptr);
    SetMaker m;
    m.in = in;
    for (int i = 0; i < 320; ++i)
        m.Make("text", i, PdfRecipe{1 + i % 12, 10 + (i * 7) % 60, 0, false, "", ""});
    for (int i = 0; i < 120; ++i)
        m.Make("pictures", i,
               PdfRecipe{1 + i % 4, 5, static_cast<size_t>(1 + i % 3) * 100000, false, "", ""});
    for (int i = 0; i < 40; ++i)
    {
        PdfRecipe recipe{2, 20, 0, false, "", ""};
        recipe.smallObjects = 1000 + 100 * (i % 30);
        m.Make("objects", i, recipe);
    }
    for (int i = 0; i < 3; ++i)
        m.Make("large", i, PdfRecipe{20, 20, static_cast<size_t>(6 + 4 * i) << 20, false, "", ""});
    for (int i = 0; i < 20; ++i)
        m.Make("encrypted", i,
               PdfRecipe{1 + i % 3, 10, 0, true, i % 2 ? "" : "user", "owner"}); // owner-only too
    const std::string whole = ReadFileBytes(in + "\\text_011.pdf");
    for (int i = 0; i < 20; ++i)
        m.Add("damaged", i, DamagedCopy(whole, i), nullptr);
    m.Print("generated");
}

// Small files only, as a folder of forms and letters is: short texts, some with links (the
// factory's one picture is too large for this set), some written for fast web view, some already
// encrypted, some damaged (cut short, a wrong startxref, or no PDF at all).
void MakeSmallSet(const std::string& in)
{
    CreateDirectoryA(in.c_str(), nullptr);
    SetMaker m;
    m.in = in;
    for (int i = 0; i < 430; ++i)
        m.Make("text", i, PdfRecipe{1 + i % 3, 3 + (i * 7) % 30, 0, false, "", ""});
    for (int i = 0; i < 40; ++i)
    {
        PdfRecipe recipe{1 + i % 2, 5 + i % 20, 0, false, "", ""};
        recipe.bLinearized = true;
        m.Make("linearized", i, recipe);
    }
    for (int i = 0; i < 20; ++i)
        m.Make("letter", i, PdfRecipe{2 + i % 3, 40 + i, 0, false, "", ""});
    for (int i = 0; i < 20; ++i)
    {
        PdfRecipe recipe{1, 5, 0, false, "", ""};
        recipe.smallObjects = 20 + 3 * i;
        m.Make("links", i, recipe);
    }
    for (int i = 0; i < 30; ++i)
        m.Make("encrypted", i, PdfRecipe{1 + i % 2, 5, 0, true, i % 2 ? "" : "user", "owner"});
    for (int i = 0; i < 10; ++i)
    {
        PdfRecipe recipe{1 + i % 2, 8, 0, false, "", ""};
        recipe.bDamagedStartXref = true;
        m.Make("startxref", i, recipe);
    }
    const std::string whole = ReadFileBytes(in + "\\text_011.pdf");
    for (int i = 0; i < 20; ++i)
        m.Add("damaged", i, DamagedCopy(whole, i), nullptr);
    m.Print("small");
    if (m.largest >= kSmallLimit)
        std::printf("warning: the small set has a file of %zu bytes\n", m.largest);
}

// ---- The window's steps, each timed where it runs ----

enum Step
{
    kStepHandOver,   // worker: a row or a position into the run's queue, and the nudge
    kStepWorkerWait, // worker: waiting for the window thread (message boxes, inputs)
    kStepDrain,      // window: taking the queue and handing rows to the list
    kStepListRows,   // window: the list's insertion, cells and colours, and its re-measuring
    kStepListDraw,   // window: the list's and its header's painting, showing held rows
    kStepProgress,   // window: the progress bar's positions and painting
    kStepCount
};
const char* const kStepKeys[kStepCount] = {"hand_over", "worker_wait", "drain",
                                           "list_rows", "list_draw",   "progress"};

std::atomic<long long> g_stepMicros[kStepCount];

// Time of a step without the time of the steps nested in it, so nothing counts twice.
struct StepFrame
{
    double start;
    double nested;
};
thread_local std::vector<StepFrame> t_frames;

class CTimedStep
{
  public:
    explicit CTimedStep(Step step) : m_step(step) { t_frames.push_back({NowMs(), 0}); }
    ~CTimedStep()
    {
        const StepFrame frame = t_frames.back();
        t_frames.pop_back();
        const double elapsed = NowMs() - frame.start;
        g_stepMicros[m_step] += static_cast<long long>((elapsed - frame.nested) * 1000);
        if (!t_frames.empty())
            t_frames.back().nested += elapsed;
    }
    CTimedStep(const CTimedStep&) = delete;
    CTimedStep& operator=(const CTimedStep&) = delete;

  private:
    Step m_step;
};

WNDPROC g_listProc, g_headerProc, g_progressProc;

bool IsDrawing(UINT message)
{
    switch (message)
    {
    case WM_PAINT:
    case WM_ERASEBKGND:
    case WM_NCPAINT:
    case WM_SETREDRAW:
    case WM_TIMER:
    case CEnhancedListCtrl::kShowRowsMessage:
        return true;
    default:
        return false;
    }
}

// Paints during the run: of the list, its header, and the progress bar.
std::atomic<int> g_listPaints, g_headerPaints, g_progressPaints;

LRESULT CALLBACK TimedList(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    g_listPaints += message == WM_PAINT;
    CTimedStep step(IsDrawing(message) ? kStepListDraw : kStepListRows);
    return CallWindowProcA(g_listProc, hWnd, message, wParam, lParam);
}

LRESULT CALLBACK TimedHeader(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    g_headerPaints += message == WM_PAINT;
    CTimedStep step(kStepListDraw);
    return CallWindowProcA(g_headerProc, hWnd, message, wParam, lParam);
}

LRESULT CALLBACK TimedProgress(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    g_progressPaints += message == WM_PAINT;
    CTimedStep step(kStepProgress);
    return CallWindowProcA(g_progressProc, hWnd, message, wParam, lParam);
}

WNDPROC TimeWindow(HWND hWnd, WNDPROC proc)
{
    return reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc)));
}

// The run's view as the engine sees it, with the worker's side of each step timed.
class CTimedView : public CProtectionView
{
  public:
    explicit CTimedView(CProtectionView& view) : m_view(view) {}
    void SetProgress(int nPos) override
    {
        CTimedStep step(kStepHandOver);
        m_view.SetProgress(nPos);
    }
    void AppendRow(const ResultRow& row) override
    {
        CTimedStep step(kStepHandOver);
        m_view.AppendRow(row);
    }
    int ShowMessage(const std::string& text, unsigned style) override
    {
        CTimedStep step(kStepWorkerWait);
        return m_view.ShowMessage(text, style);
    }
    void LockInputs() override
    {
        CTimedStep step(kStepWorkerWait);
        m_view.LockInputs();
    }
    void UnlockInputs() override
    {
        CTimedStep step(kStepWorkerWait);
        m_view.UnlockInputs();
    }

  private:
    CProtectionView& m_view;
};

class CTimedWindow : public BenchWindow
{
  public:
    using BenchWindow::BenchWindow;
    double m_engineStartMs = 0, m_engineEndMs = 0;

    void RunRequest(const ProtectionRequest& request, CProtectionView& view) override
    {
        m_engineStartMs = NowMs();
        CTimedView timed(view);
        BenchWindow::RunRequest(request, timed);
        m_engineEndMs = NowMs();
    }

  protected:
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        if (message != WM_RUN_REPORTS)
            return BenchWindow::OnWndMsg(message, wParam, lParam, pResult);
        CTimedStep step(kStepDrain);
        return BenchWindow::OnWndMsg(message, wParam, lParam, pResult);
    }
};

double CpuMs(const FILETIME& kernel, const FILETIME& user)
{
    auto ms = [](const FILETIME& t)
    { return static_cast<double>((ULONGLONG(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e4; };
    return ms(kernel) + ms(user);
}

double ThreadCpuMs(HANDLE thread)
{
    FILETIME created, exited, kernel, user;
    return GetThreadTimes(thread, &created, &exited, &kernel, &user) ? CpuMs(kernel, user) : 0;
}

double ProcessCpuMs(HANDLE process)
{
    FILETIME created, exited, kernel, user;
    return GetProcessTimes(process, &created, &exited, &kernel, &user) ? CpuMs(kernel, user) : 0;
}

using Figures = std::vector<std::pair<std::string, double>>;

// Drives the real window: the folder mode, the fields, the three restrictions, "Protect
// PDF"; the run ends when the button is back. Meanwhile a click's worth of probe every
// kProbeEveryMs times the window's answer.
Figures RunThroughWindow(const std::string& setFolder, const std::string& in,
                         const std::string& out)
{
    EmptyFolder(out);
    CTimedWindow window(setFolder + "\\settings_sealwick.db");
    HANDLE windowThread = nullptr;
    DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &windowThread, 0,
                    FALSE, DUPLICATE_SAME_ACCESS);
    Figures f;
    std::thread driver(
        [&]
        {
            while (!window.m_hWnd || !window.InitDone || !::IsWindowVisible(window.m_hWnd))
                Sleep(10);
            HWND hDlg = window.m_hWnd;
            HWND hList = ::GetDlgItem(hDlg, IDC_RESULTS_LIST);
            auto send = [&](HWND h, UINT message, WPARAM wParam, LPARAM lParam)
            {
                DWORD_PTR result = 0;
                SendMessageTimeoutA(h, message, wParam, lParam, SMTO_NORMAL, 60000, &result);
                return result;
            };
            auto setText = [&](int id, const std::string& text) {
                send(::GetDlgItem(hDlg, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
            };
            send(hDlg, WM_COMMAND, MAKEWPARAM(IDC_MODE_FOLDER_LABEL, STN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(hDlg, IDC_MODE_FOLDER_LABEL)));
            setText(IDC_SOURCE, in);
            setText(IDC_TARGET, out);
            setText(IDC_OPEN_PASSWORD, kOpen);
            setText(IDC_PERMISSION_PASSWORD, kOwner);
            for (int id : {IDC_PREVENT_COPY, IDC_PREVENT_MODIFY, IDC_PREVENT_PRINT})
                send(::GetDlgItem(hDlg, id), BM_SETCHECK, BST_CHECKED, 0);
            g_listProc = TimeWindow(hList, &TimedList);
            g_headerProc = TimeWindow(ListView_GetHeader(hList), &TimedHeader);
            g_progressProc = TimeWindow(::GetDlgItem(hDlg, IDC_PROGRESS), &TimedProgress);
            for (auto& micros : g_stepMicros)
                micros = 0;
            g_listPaints = g_headerPaints = g_progressPaints = 0;

            std::vector<double> answers;
            const double cpuBefore = ThreadCpuMs(windowThread);
            const double processBefore = ProcessCpuMs(GetCurrentProcess());
            const double start = NowMs();
            send(hDlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(hDlg, IDOK)));
            while (window.RunActive != 0 || !::IsWindowVisible(::GetDlgItem(hDlg, IDOK)))
            {
                const double before = NowMs();
                send(hDlg, WM_NULL, 0, 0);
                answers.push_back(NowMs() - before);
                Sleep(kProbeEveryMs);
            }
            const double end = NowMs();
            const double cpu = ThreadCpuMs(windowThread) - cpuBefore;
            const double processCpu = ProcessCpuMs(GetCurrentProcess()) - processBefore;

            // The rows: as many as files, in the order of the listing, red for the refused.
            const std::vector<std::string> names = PdfNames(in);
            const double n = static_cast<double>(names.size());
            const int rows = static_cast<int>(send(hList, LVM_GETITEMCOUNT, 0, 0));
            int red = 0;
            bool bInOrder = rows == static_cast<int>(names.size());
            char text[MAX_PATH];
            for (int r = 0; r < rows; ++r)
            {
                LVITEMA item = {};
                item.iSubItem = window.m_listResults.m_nTextColorColumn;
                item.pszText = text;
                item.cchTextMax = sizeof text;
                send(hList, LVM_GETITEMTEXTA, r, reinterpret_cast<LPARAM>(&item));
                red += std::atoi(text) == static_cast<int>(kRowTextFailed);
                item.iSubItem = 0;
                send(hList, LVM_GETITEMTEXTA, r, reinterpret_cast<LPARAM>(&item));
                bInOrder = bInOrder && r < static_cast<int>(names.size()) && names[r] == text;
            }
            TimeWindow(hList, g_listProc);
            TimeWindow(ListView_GetHeader(hList), g_headerProc);
            TimeWindow(::GetDlgItem(hDlg, IDC_PROGRESS), g_progressProc);

            f.push_back({"window", (end - start) / 1000.0});
            f.push_back({"files", n});
            f.push_back({"rows", rows});
            f.push_back({"red", red});
            f.push_back({"in_order", bInOrder ? 1 : 0});
            f.push_back({"p50", Percentile(answers, 0.5)});
            f.push_back({"p99", Percentile(answers, 0.99)});
            f.push_back(
                {"max", answers.empty() ? 0.0 : *std::max_element(answers.begin(), answers.end())});
            for (int s = 0; s < kStepCount; ++s)
                f.push_back({kStepKeys[s], static_cast<double>(g_stepMicros[s]) / 1000.0 / n});
            f.push_back({"window_cpu", cpu / n});
            f.push_back({"window_process_cpu", processCpu / n});
            f.push_back({"list_paints", g_listPaints});
            f.push_back({"header_paints", g_headerPaints});
            f.push_back({"progress_paints", g_progressPaints});
            f.push_back({"start_steps", window.m_engineStartMs - start});
            f.push_back({"end_steps", end - window.m_engineEndMs});
            send(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        });
    window.DoModal();
    driver.join();
    CloseHandle(windowThread);
    return f;
}

// sealwick-cli with its default workers over the same files, with the same passwords and
// restrictions; its output is thrown away. The time includes starting its process.
Figures RunConsole(const std::string& in, const std::string& out)
{
    EmptyFolder(out);
    const CliRun run = RunCliQuietly("\"" + in + "\" \"" + out + "\" -p " + kOpen + " -P " +
                                     kOwner + " --no-copy --no-modify --no-print --suffix= -q");
    Figures f;
    if (!run.bStarted)
    {
        std::fprintf(stderr, "window_run_bench: cannot start %s\n", CliPath().c_str());
        return f;
    }
    const double n = static_cast<double>(PdfNames(in).size());
    f.push_back({"cli", run.milliseconds / 1000.0});
    f.push_back({"cli_exit", static_cast<double>(run.exitCode)});
    f.push_back({"cli_process_cpu", run.cpuMs / n});
    return f;
}

void AppendFigures(const std::string& file, const std::string& set, int round, const Figures& f)
{
    std::ofstream out(file, std::ios::app);
    for (const auto& figure : f)
        out << set << ' ' << round << ' ' << figure.first << ' ' << figure.second << '\n';
}

// ---- The report ----

// set -> key -> one value a round, in round order.
using Table = std::map<std::string, std::map<std::string, std::map<int, double>>>;

double MedianOf(const std::map<int, double>& values)
{
    std::vector<double> v;
    for (const auto& value : values)
        v.push_back(value.second);
    return Median(v);
}

// The median over the rounds of one figure divided by another of the same round.
double RatioOf(const std::map<int, double>& a, const std::map<int, double>& b)
{
    std::vector<double> ratios;
    for (const auto& value : a)
    {
        const auto other = b.find(value.first);
        if (other != b.end() && other->second > 0)
            ratios.push_back(value.second / other->second);
    }
    return Median(ratios);
}

const char* Verdict(bool bMet)
{
    return bMet ? "met" : "NOT met";
}

void PrintSet(const std::string& set, std::map<std::string, std::map<int, double>>& t)
{
    auto m = [&](const char* key) { return MedianOf(t[key]); };
    auto rounds = [&](const char* key)
    {
        std::string text;
        char value[32];
        for (const auto& v : t[key])
        {
            std::snprintf(value, sizeof value, "%s%.2f", text.empty() ? "" : " ", v.second);
            text += value;
        }
        return text;
    };
    const double n = m("files");
    std::printf("\n%s set: %.0f PDFs, %zu rounds, %u workers; medians (each round's seconds)\n",
                set.c_str(), n, t["window"].size(), DefaultWorkerCount());
    std::printf("  native qpdf command loop (Linux): %7.2f s  (%s)\n", m("native"),
                rounds("native").c_str());
    std::printf("  sealwick-cli, default workers:    %7.2f s  (%s)\n", m("cli"),
                rounds("cli").c_str());
    std::printf("  the real window's folder run:     %7.2f s  (%s)\n", m("window"),
                rounds("window").c_str());
    const double wc = RatioOf(t["window"], t["cli"]), wn = RatioOf(t["window"], t["native"]),
                 cn = RatioOf(t["cli"], t["native"]);
    std::printf("  ratios (median of the rounds' ratios): window/console %.3f (target at most "
                "%.2f: %s), window/native %.3f (target at most %.2f: %s), console/native %.3f\n",
                wc, kTargetWindowToConsole, Verdict(wc <= kTargetWindowToConsole), wn,
                kTargetWindowToNative, Verdict(wn <= kTargetWindowToNative), cn);
    std::printf("  window: %.0f rows, %.0f red, in the listing's order: %s; console exit code "
                "%.0f\n",
                m("rows"), m("red"), m("in_order") == 1 ? "yes" : "NO", m("cli_exit"));
    double worstP99 = 0;
    for (const auto& v : t["p99"])
        worstP99 = std::max(worstP99, v.second);
    std::printf("  window answers during the run: median %.2f ms, p99 %.2f ms (worst round "
                "%.2f), max %.2f ms (p99 target under %.0f ms: %s)\n",
                m("p50"), m("p99"), worstP99, m("max"), kTargetAnswerMs,
                Verdict(worstP99 < kTargetAnswerMs));
    std::printf("  per file, ms: window - console %.3f\n", (m("window") - m("cli")) * 1000.0 / n);
    std::printf("    row's trip: worker's hand-over %.3f, window's drain of the queue %.3f, "
                "into the list (insert, cells, colour, re-measuring) %.3f\n",
                m("hand_over"), m("drain"), m("list_rows"));
    std::printf("    list drawing (list, header, scroll bars, showing held rows) %.3f\n",
                m("list_draw"));
    std::printf("    progress bar %.3f\n", m("progress"));
    std::printf("    paints during the run: list %.0f, header %.0f, progress bar %.0f\n",
                m("list_paints"), m("header_paints"), m("progress_paints"));
    std::printf("    worker waiting for the window thread during the files %.3f; the run's "
                "start steps %.1f ms and end steps %.1f ms (with the 100 ms pause at 100 %%)\n",
                m("worker_wait"), m("start_steps"), m("end_steps"));
    std::printf("    window thread's CPU %.3f; process CPU: window %.3f, console %.3f\n",
                m("window_cpu"), m("window_process_cpu"), m("cli_process_cpu"));
}

int Report(const std::string& folder)
{
    std::ifstream in(folder + "\\times.txt");
    Table table;
    std::string line;
    while (std::getline(in, line))
    {
        std::istringstream fields(line);
        std::string set, key;
        int round = 0;
        double value = 0;
        if (fields >> set >> round >> key >> value)
            table[set][key][round] = value;
    }
    if (table.empty())
    {
        std::fprintf(stderr, "window_run_bench: no figures in %s\\times.txt\n", folder.c_str());
        return 1;
    }
    for (auto& set : table)
        PrintSet(set.first, set.second);
    return 0;
}
} // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc >= 3 ? argv[1] : "";
    const std::string folder = argc >= 3 ? argv[2] : "";
    if (mode == "--make")
    {
        const double ms = TimeMs(
            [&]
            {
                // The sets named after the folder, or both.
                std::vector<std::string> sets(argv + 3, argv + argc);
                if (sets.empty())
                    sets = {"generated", "small"};
                for (const std::string& set : sets)
                {
                    CreateDirectoryA((folder + "\\" + set).c_str(), nullptr);
                    if (set == "generated")
                        MakeGeneratedSet(folder + "\\generated\\in");
                    else if (set == "small")
                        MakeSmallSet(folder + "\\small\\in");
                }
            });
        std::printf("generated in %.1f s\n", ms / 1000.0);
        return 0;
    }
    if (mode == "--report")
        return Report(folder);
    if (mode != "--round" || argc < 5)
    {
        std::fprintf(stderr,
                     "usage: window_run_bench --make <folder> [set...] | --round <folder> <round> "
                     "<set> | --report <folder>\n");
        return 2;
    }
    const int round = std::atoi(argv[3]);
    const std::string set = argv[4];
    const std::string setFolder = folder + "\\" + set, in = setFolder + "\\in";
    const size_t files = PdfNames(in).size();
    if (files < 500)
    {
        std::fprintf(stderr, "window_run_bench: %zu PDFs in %s, expected at least 500\n", files,
                     in.c_str());
        return 1;
    }

    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    SetMessageBoxHandler(&AnswerOk);

    // The two take turns at going first.
    Figures window, console;
    if (round % 2)
    {
        window = RunThroughWindow(setFolder, in, setFolder + "\\window");
        console = RunConsole(in, setFolder + "\\cli");
    }
    else
    {
        console = RunConsole(in, setFolder + "\\cli");
        window = RunThroughWindow(setFolder, in, setFolder + "\\window");
    }
    AppendFigures(folder + "\\times.txt", set, round, window);
    AppendFigures(folder + "\\times.txt", set, round, console);
    std::printf("%s round %d: window %.2f s, console %.2f s\n", set.c_str(), round,
                window.empty() ? 0.0 : window[0].second, console.empty() ? 0.0 : console[0].second);
    return 0;
}

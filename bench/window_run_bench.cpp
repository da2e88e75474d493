// A folder run through the real main window, timed against what the library alone needs for
// the same files: a bare single-thread qpdf loop in this process, and a loop of the native
// qpdf command that the bench script times beside us and passes in. Also times, per file, the
// steps a run adds around the library, so a regression shows where it comes from.
//
//   window_run_bench --make <folder>            writes the set of PDFs into <folder>\in
//   window_run_bench <folder> [native seconds]  runs and prints the figures
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include <commctrl.h>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFWriter.hh>

#include "app/main_window.h"
#include "app/window_protection_view.h"
#include "bench_common.h"
#include "bench_window.h"
#include "controls/enhanced_list_ctrl.h"
#include "engine/path_compare.h"
#include "engine/random_provider.h"
#include "engine/result_row.h"
#include "engine/run_workers.h"
#include "framework/message_box.h"
#include "res/resource.h"
#include "tests/support/pdf_factory.h"
#include "tests/support/scratch.h"

namespace
{
constexpr double kTargetRatio = 0.75;
constexpr double kTargetMs = 100.0;

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

// The set: mostly ordinary text and picture documents, some with thousands of small objects,
// a few large files, and the ones a run must refuse: damaged and already encrypted files.
void MakeSet(const std::string& in)
{
    CreateDirectoryA(in.c_str(), nullptr);
    char name[64];
    size_t bytes = 0;
    int count = 0;
    auto make = [&](const char* kind, int i, const PdfRecipe& recipe)
    {
        std::snprintf(name, sizeof name, "\\%s_%03d.pdf", kind, i);
        bytes += MakePdf(in + name, recipe);
        ++count;
    };
    for (int i = 0; i < 320; ++i)
        make("text", i, PdfRecipe{1 + i % 12, 10 + (i * 7) % 60, 0, false, "", ""});
    for (int i = 0; i < 120; ++i)
        make("pictures", i,
             PdfRecipe{1 + i % 4, 5, static_cast<size_t>(1 + i % 3) * 100000, false, "", ""});
    for (int i = 0; i < 40; ++i)
    {
        PdfRecipe recipe{2, 20, 0, false, "", ""};
        recipe.smallObjects = 1000 + 100 * (i % 30);
        make("objects", i, recipe);
    }
    for (int i = 0; i < 3; ++i)
        make("large", i, PdfRecipe{20, 20, static_cast<size_t>(6 + 4 * i) << 20, false, "", ""});
    for (int i = 0; i < 20; ++i)
        make("encrypted", i,
             PdfRecipe{1 + i % 3, 10, 0, true, i % 2 ? "" : "user", "owner"}); // owner-only too
    // Damaged: cut short (the library may rebuild what is left, or give up), or no PDF at all.
    const std::string whole = ReadFileBytes(in + "\\text_011.pdf");
    for (int i = 0; i < 20; ++i)
    {
        std::snprintf(name, sizeof name, "\\damaged_%03d.pdf", i);
        const std::string bytesOut =
            i % 4 == 3 ? std::string("this is not a PDF file, only its name says so\n")
                       : whole.substr(0, whole.size() * static_cast<size_t>(30 + 3 * i) / 100);
        WriteFileBytes(in + name, bytesOut);
        bytes += bytesOut.size();
        ++count;
    }
    std::printf("made %d PDFs, %.1f MB\n", count, static_cast<double>(bytes) / (1 << 20));
}

// The library alone, one file after another, as any tool using qpdf must at least spend.
double BareLoopMs(const std::string& in, const std::string& out,
                  const std::vector<std::string>& names)
{
    InstallSystemRandomProvider();
    CreateDirectoryA(out.c_str(), nullptr);
    return TimeMs(
        [&]
        {
            for (const std::string& n : names)
            {
                try
                {
                    QPDF pdf;
                    pdf.setSuppressWarnings(true);
                    pdf.processFile((in + "\\" + n).c_str(), nullptr);
                    QPDFWriter writer(pdf, (out + "\\" + n).c_str());
                    writer.setR6EncryptionParameters("open", "owner", true, true, true, true, true,
                                                     true, qpdf_r3p_full, true);
                    writer.write();
                }
                catch (const std::exception&)
                {
                }
            }
        });
}

struct WindowFigures
{
    double runMs = 0;
    int rows = 0, redRows = 0;
    std::vector<double> answers;
    // Per-file costs of the steps around the library, in ms.
    double rowOld = 0, rowNew = 0, rowDrawn = 0, progressEach = 0;
    // rowDrawn: one showing of the appended rows, a paint of the whole visible list.
};

// Drives the real window: the folder mode, the fields, "Protect PDF"; then, with the window
// still up, times a row's trip to the list the old way (a message per cell) and the new.
WindowFigures RunThroughWindow(const std::string& folder, const std::string& in,
                               const std::string& out)
{
    CreateDirectoryA(out.c_str(), nullptr);
    BenchWindow window(folder + "\\settings_sealwick.db");
    WindowFigures f;
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
            setText(IDC_OPEN_PASSWORD, "open");
            setText(IDC_PERMISSION_PASSWORD, "owner");

            const double start = NowMs();
            send(hDlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(hDlg, IDOK)));
            while (window.RunActive != 0 || !::IsWindowVisible(::GetDlgItem(hDlg, IDOK)))
            {
                const double before = NowMs();
                send(hDlg, WM_NULL, 0, 0);
                f.answers.push_back(NowMs() - before);
                Sleep(2);
            }
            f.runMs = NowMs() - start;
            f.rows = static_cast<int>(send(hList, LVM_GETITEMCOUNT, 0, 0));
            char color[16];
            for (int r = 0; r < f.rows; ++r)
            {
                LVITEMA item = {};
                item.iSubItem = window.m_listResults.m_nTextColorColumn;
                item.pszText = color;
                item.cchTextMax = sizeof color;
                send(hList, LVM_GETITEMTEXTA, r, reinterpret_cast<LPARAM>(&item));
                f.redRows += std::atoi(color) == static_cast<int>(kRowTextFailed);
            }

            // The steps around the library, each over many rows.
            constexpr int kRows = 300;
            ResultRow row;
            row.strFileName = "text_001.pdf";
            row.strPdfVersion = "PDF v1.3";
            row.strEncryption = "AES-256";
            row.strTargetFile = out + "\\text_001.pdf";
            row.strStatus = "Successfully protected PDF file with password";
            row.strSourceFile = in + "\\text_001.pdf";
            send(hList, LVM_DELETEALLITEMS, 0, 0);
            const double oldWay = TimeMs(
                [&]
                {
                    for (int r = 0; r < kRows; ++r)
                    {
                        const int index = static_cast<int>(send(hList, LVM_GETITEMCOUNT, 0, 0));
                        LVITEMA item = {};
                        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
                        item.iItem = index;
                        item.pszText = const_cast<char*>(row.strFileName.c_str());
                        item.lParam = index;
                        send(hList, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
                        const std::string* texts[] = {&row.strPdfVersion,
                                                      &row.strEncryption,
                                                      &row.strTargetFile,
                                                      &row.strStatus,
                                                      &row.strSourceFile,
                                                      nullptr,
                                                      nullptr};
                        const std::string black = "0", white = "16777215";
                        texts[5] = &black;
                        texts[6] = &white;
                        const int columns[] = {1,
                                               2,
                                               3,
                                               4,
                                               5,
                                               window.m_listResults.m_nTextColorColumn,
                                               window.m_listResults.m_nBackColorColumn};
                        for (int c = 0; c < 7; ++c)
                        {
                            LVITEMA cell = {};
                            cell.iSubItem = columns[c];
                            cell.pszText = const_cast<char*>(texts[c]->c_str());
                            send(hList, LVM_SETITEMTEXTA, index, reinterpret_cast<LPARAM>(&cell));
                        }
                        send(hList, LVM_REDRAWITEMS, index, index);
                    }
                });
            send(hList, LVM_DELETEALLITEMS, 0, 0);
            CWindowProtectionView view(window, window.StartRunQueue());
            const double newWay = TimeMs(
                [&]
                {
                    for (int r = 0; r < kRows; ++r)
                        view.AppendRow(row);
                    view.FlushReports();
                });
            // Drawing: the rows that arrive are shown together a few times a second; one such
            // showing paints every visible row.
            send(hList, LVM_DELETEALLITEMS, 0, 0);
            const int visible = static_cast<int>(send(hList, LVM_GETCOUNTPERPAGE, 0, 0));
            for (int r = 0; r < visible; ++r)
                view.AppendRow(row);
            view.FlushReports();
            const double drawn = TimeMs(
                [&]
                {
                    send(hList, CEnhancedListCtrl::kShowRowsMessage, 0, 0);
                    ::UpdateWindow(hList);
                });
            const double progress = TimeMs(
                [&]
                {
                    for (int r = 0; r < kRows; ++r)
                        send(::GetDlgItem(hDlg, IDC_PROGRESS), PBM_SETPOS, 1 + r % 100, 0);
                });
            f.rowOld = oldWay / kRows;
            f.rowNew = newWay / kRows;
            f.rowDrawn = drawn;
            f.progressEach = progress / kRows;
            send(hList, LVM_DELETEALLITEMS, 0, 0);
            send(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        });
    window.DoModal();
    driver.join();
    return f;
}

// Per file, the file work the run no longer does or does only on a failure.
void PrintFileSteps(const std::string& in, const std::string& out,
                    const std::vector<std::string>& names)
{
    const std::string temp = TempFolderPath();
    const std::string work = temp + "bench_work.pdf", done = temp + "bench_done.pdf";
    double copies = 0, same = 0, version = 0;
    size_t n = 0;
    for (const std::string& name : names)
    {
        if (name.rfind("large", 0) == 0)
            continue;
        const std::string source = in + "\\" + name, target = out + "\\" + name;
        copies += TimeMs(
            [&]
            {
                CopyFileA(source.c_str(), work.c_str(), FALSE);
                CopyFileA(work.c_str(), done.c_str(), FALSE);
                DeleteFileA(work.c_str());
                DeleteFileA(done.c_str());
            });
        same += TimeMs([&] { IsSamePath(source, target); });
        std::string v;
        version += TimeMs([&] { DetectPdfVersion(source, v); });
        ++n;
    }
    const double d = n ? static_cast<double>(n) : 1.0;
    std::printf("  two copies and two deletes through the temporary folder: %.3f ms (removed)\n",
                copies / d);
    std::printf("  same-path identity check: %.3f ms (now only when the target cannot be "
                "written)\n",
                same / d);
    std::printf("  version read: %.3f ms (on the workers, beside the library)\n", version / d);
}
} // namespace

int main(int argc, char** argv)
{
    if (argc >= 3 && std::string(argv[1]) == "--make")
    {
        const double ms = TimeMs([&] { MakeSet(std::string(argv[2]) + "\\in"); });
        std::printf("generated in %.1f s\n", ms / 1000.0);
        return 0;
    }
    if (argc < 2)
    {
        std::fprintf(stderr, "usage: window_run_bench --make <folder> | <folder> [native s]\n");
        return 2;
    }
    const std::string folder = argv[1];
    const double nativeS = argc >= 3 ? std::atof(argv[2]) : 0.0;
    const std::string in = folder + "\\in";
    const std::vector<std::string> names = PdfNames(in);
    if (names.size() < 500)
    {
        std::fprintf(stderr, "window_run_bench: %zu PDFs in %s, expected at least 500\n",
                     names.size(), in.c_str());
        return 1;
    }

    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    SetMessageBoxHandler(&AnswerOk);

    const double bareMs = BareLoopMs(in, folder + "\\bare", names);
    const WindowFigures w = RunThroughWindow(folder, in, folder + "\\window");
    const double windowS = w.runMs / 1000.0, bareS = bareMs / 1000.0;
    const double p99 = Percentile(w.answers, 0.99);

    std::printf("%zu PDFs, %u workers; window run: %d rows, %d red\n", names.size(),
                DefaultWorkerCount(), w.rows, w.redRows);
    std::printf("  bare single-thread qpdf loop (same Wine): %7.2f s\n", bareS);
    if (nativeS > 0)
        std::printf("  native qpdf command loop (Linux):        %7.2f s\n", nativeS);
    std::printf("  run through the real window:              %7.2f s\n", windowS);
    std::printf("ratio window / bare loop: %.3f (target at most %.2f: %s)\n", windowS / bareS,
                kTargetRatio, windowS / bareS <= kTargetRatio ? "met" : "NOT met");
    if (nativeS > 0)
        std::printf("ratio window / native loop: %.3f (target at most %.2f: %s)\n",
                    windowS / nativeS, kTargetRatio,
                    windowS / nativeS <= kTargetRatio ? "met" : "NOT met");
    std::printf("window answers during the run: %zu probes, median %.2f ms, p99 %.2f ms, max "
                "%.2f ms (p99 target under %.0f ms: %s)\n",
                w.answers.size(), Percentile(w.answers, 0.5), p99,
                w.answers.empty() ? 0.0 : *std::max_element(w.answers.begin(), w.answers.end()),
                kTargetMs, p99 < kTargetMs ? "met" : "NOT met");
    std::printf("per file, ms, steps around the library:\n");
    PrintFileSteps(in, folder + "\\window", names);
    std::printf("  row's trip to the list: %.3f ms as ten messages (before), %.3f ms as one\n",
                w.rowOld, w.rowNew);
    const double showings = w.runMs / CEnhancedListCtrl::kShowRowsMs;
    std::printf("  drawing: %.3f ms a showing of the visible rows, at most every %u ms while "
                "rows arrive: %.3f ms per file (before: a layout of header and scroll bars with "
                "every row, inside the trip above)\n",
                w.rowDrawn, CEnhancedListCtrl::kShowRowsMs,
                w.rowDrawn * showings / static_cast<double>(names.size()));
    std::printf("  progress bar: %.3f ms a position; %.3f ms per file when sent after every "
                "file (before), %.3f ms now (only new positions)\n",
                w.progressEach, w.progressEach,
                w.progressEach * std::min<double>(80, static_cast<double>(names.size())) /
                    static_cast<double>(names.size()));
    return 0;
}

#include "engine/protection_run.h"

#include <set>

#include "base/text_conversion.h"
#include "engine/path_compare.h"
#include "engine/protect_file.h"
#include "engine/result_row.h"
#include "engine/run_workers.h"
#include "engine/status_texts.h"
#include "engine/target_file.h"

namespace
{
// One spelling per file for comparing paths: full, long names, letter case folded.
std::wstring PathKey(const std::string& path)
{
    return FoldCase(NormalizedPathKey(path));
}
} // namespace

void RefuseTargetsOnSources(std::vector<PlannedFile>& plan)
{
    std::set<std::wstring> sources;
    for (const PlannedFile& file : plan)
        if (file.status.empty())
            sources.insert(PathKey(file.source));
    for (PlannedFile& file : plan)
        if (file.status.empty() && sources.count(PathKey(file.target)) &&
            PathKey(file.target) != PathKey(file.source))
            file.status = kStatusTargetIsAnotherSource;
}

ProtectOptions ProtectOptionsOf(const ProtectionRequest& request)
{
    ProtectOptions options;
    options.strPassword = request.strPassword;
    options.strPermissionPassword = request.strPermissionPassword;
    options.restrictions.bPreventCopy = request.bPreventCopy != 0;
    options.restrictions.bPreventModify = request.bPreventModify != 0;
    options.restrictions.bPreventPrint = request.bPreventPrint != 0;
    options.bEncryptionType = request.bEncryptionType;
    return options;
}

void RunPlan(const std::vector<PlannedFile>& plan, const std::string& label, CRunReporter& report,
             unsigned workers, int progressFrom, int progressTo)
{
    // Each run sweeps the work files of ended runs from each of its target folders once.
    ForgetSweptFolders();
    const size_t n = plan.size();
    RunWorkers(
        n, workers,
        [&](size_t i)
        {
            const PlannedFile& file = plan[i];
            std::string status = file.status;
            ProtectFacts facts;
            if (status.empty())
                ProtectFile(file.source, file.target, file.options, status, facts);
            ResultRow row;
            MakeResultRow(file.source, label, file.target, status, row);
            row.facts = facts;
            return row;
        },
        [&](size_t i, const ResultRow& row)
        {
            if (!plan[i].source.empty())
                report.AppendRow(row);
            const size_t k = i + 1;
            report.SetProgress(
                progressFrom +
                static_cast<int>((static_cast<size_t>(progressTo - progressFrom) * k) / n));
        });
}

#include "engine/protection_run.h"

#include <set>

#include "engine/password_prep.h"
#include "engine/path_compare.h"
#include "engine/protect_file.h"
#include "engine/result_row.h"
#include "engine/run_workers.h"
#include "engine/status_texts.h"
#include "engine/target_file.h"

void RefuseTargetsOnSources(std::vector<PlannedFile>& plan)
{
    // Keyed by folder identity, not by text: a target folder that is the source folder spelt
    // another way must not let one file's target land on another source.
    CPathIdentityKeys keys;
    std::vector<std::wstring> sourceKeys(plan.size());
    std::set<std::wstring> sources;
    for (size_t i = 0; i < plan.size(); ++i)
        if (plan[i].status.empty())
        {
            sourceKeys[i] = keys.KeyOf(plan[i].source);
            sources.insert(sourceKeys[i]);
        }
    // A target that is its own source is left to ProtectFile, which keeps the source and says so.
    for (size_t i = 0; i < plan.size(); ++i)
        if (plan[i].status.empty())
        {
            const std::wstring target = keys.KeyOf(plan[i].target);
            if (target != sourceKeys[i] && sources.count(target))
                plan[i].status = kStatusTargetIsAnotherSource;
        }
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
    options.bAllowSigned = request.bAllowSigned != 0;
    options.bRandomPermissionPassword = request.bRandomPermissionPassword;
    return options;
}

bool LeavesRestrictionsOpen(const ProtectOptions& options)
{
    const bool bOpenBlank =
        options.strPassword.find_first_not_of(" \t\n\v\f\r") == std::string::npos;
    return options.restrictions.Any() && !bOpenBlank &&
           IsPermissionPasswordEmptyOrEqual(options.strPassword, options.strPermissionPassword,
                                            options.bEncryptionType);
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

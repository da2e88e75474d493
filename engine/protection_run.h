#pragma once

// The one way files are protected, for the window and the console alike: a plan, one entry
// per file, run on the workers, its rows and progress handed back in the plan's order.

#include <string>
#include <vector>

#include "engine/protect_options.h"
#include "engine/protection_request.h"
#include "engine/protection_view.h"

// One file of a run: protect `source` into `target` with `options`, or, when `status` is
// already set, only report that failure. Paths are in the process's ANSI code page.
struct PlannedFile
{
    std::string source;
    std::string target;
    ProtectOptions options;
    std::string status;
};

// Completes a plan before it runs: a file whose target is another planned source, which the
// run must only read, is planned as a failure and never written, whatever spelling of the
// source's folder the target uses (see CPathIdentityKeys). A file already planned as a
// failure is not read, so its source does not count.
void RefuseTargetsOnSources(std::vector<PlannedFile>& plan);

// The passwords, restrictions, method and options a request states.
ProtectOptions ProtectOptionsOf(const ProtectionRequest& request);

// True when restrictions are asked and the permission password would not guard them: it is
// empty or the same as the open password (as the method stores them), and the open password is
// not blank. Whoever opens such a file could lift its restrictions.
bool LeavesRestrictionsOpen(const ProtectOptions& options);

// Protects the plan's files on `workers` threads and hands each file's row (see
// MakeResultRow) to `report` on the calling thread, in plan order, whichever file is done
// first. After each row the progress moves on in proportion, from `progressFrom` to
// `progressTo` after the last. A file with an empty source gets no row.
void RunPlan(const std::vector<PlannedFile>& plan, const std::string& label, CRunReporter& report,
             unsigned workers, int progressFrom, int progressTo);

#pragma once

// One protection run on a thread of its own, so the window keeps painting and answering
// while files are encrypted.

#include <windows.h>

#include <memory>

#include "engine/protection_request.h"

class CMainWindow;
class CRunQueue;

// Status column widths: narrow while rows arrive, wide once the run has rows to read.
constexpr int kStatusColumn = 4;
constexpr int kStatusWidthRunning = 290;
constexpr int kStatusWidthDone = 650;

// The request as the window's fields and the current settings state it. Reads the fields
// through messages, so either thread may call it.
ProtectionRequest ReadProtectionRequest(CMainWindow& dlg);

// What a run starts from, handed to its thread: the window, the request that validation
// accepted (the fields are not read again, so an edit after the checks cannot get past
// them) and the queue the run reports into.
struct RunStart
{
    CMainWindow* pWindow;
    ProtectionRequest request;
    std::shared_ptr<CRunQueue> pQueue;
};

// The thread procedure; pParam is a RunStart made with new, which the worker owns and
// deletes. Swaps the button for the bar, runs the request, restores the window (showing what
// failed when the run itself failed) and returns 1. The caller has set RunActive, locked the
// inputs and emptied the list; the worker clears RunActive after its last step on the window.
UINT ProtectionWorker(LPVOID pParam);

// What the title engine reads and where it reports. The application's worker
// thread and titlegen drive the same engine through these.
#pragma once

#include "generate/RunTexts.h"
#include "words/RootWordList.h"

#include <string>
#include <vector>

// Every call answers with the value at that moment, so an edit made during a
// run takes effect at once.
class TitleEngineInput {
public:
    virtual ~TitleEngineInput() = default;
    virtual std::string MainWordBoxText() = 0;
    virtual std::string MinimumLengthText() = 0;
    virtual std::string MaximumLengthText() = 0;
    virtual std::string PositionMinimumText() = 0;
    virtual std::string PositionMaximumText() = 0;
    // The rows in list order; the engine reads the word and weight cells.
    virtual std::vector<RootWord> RootWords() = 0;
};

class TitleEngineReport {
public:
    virtual ~TitleEngineReport() = default;
    // A run has summed its requested counts: the progress bar's maximum.
    virtual void RunStarted(std::int32_t requestedTotal) = 0;
    // One more title was accepted: the progress bar moves by one.
    virtual void TitleAccepted() = 0;
    virtual void SetStartCaption(const std::string& caption) = 0;
    // Shows a failure and returns when the user has closed it.
    virtual void ShowMessage(const RunMessage& message) = 0;
    // Checked between attempts; a run ends promptly once it answers true.
    virtual bool StopRequested() = 0;
};

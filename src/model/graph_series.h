#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/cp932.h"

class CQuillmarkData_MainData;
class CQuillmarkData_SubMainData;
class CQuillmarkData_LogDataItem;

// The kinds of graph series: what one event is.
enum class GraphKind {
    stations,     // one event per entry
    multipliers,  // one event per entry whose First flag is 1
    points,       // as many events per entry as its points
};

// One graph series: counts of a kind of event over the contest period in time buckets,
// computed from the entries of a source (a whole contest, or one band) and never stored.
// The document owns six of them and the graph view draws them. The source and the contest
// are not owned; the document re-creates a series whenever its source may have gone away.
//
// The three kinds are one class with a kind value rather than three subclasses: they differ
// only in how an entry turns into events.
class CQuillmarkData_GraphDataItem {
public:
    static constexpr int32_t kNotValid = -2;

    explicit CQuillmarkData_GraphDataItem(GraphKind kind);

    // Fails when already valid, when a pointer is null or when the bucket length is not
    // positive (no bucket could hold anything). The source is the contest itself or one of
    // its bands.
    bool SetSource(const CQuillmarkData_MainData* contest, const CQuillmarkData_MainData* source,
                   int64_t bucket_length);
    bool SetSource(const CQuillmarkData_MainData* contest, const CQuillmarkData_SubMainData* source,
                   int64_t bucket_length);

    // Display attributes; settable at any time.
    void SetShown(bool shown) { shown_ = shown ? 1 : 0; }
    void SetTitle(std::string_view title) { title_ = Cp932(title); }
    // A negative width is refused.
    bool SetPenWidth(int32_t width);
    void SetColour(int32_t colour) { colour_ = colour; }

    GraphKind GetKind() const { return kind_; }
    bool IsValid() const { return valid_ != 0; }
    int32_t IsShown() const { return shown_; }
    const Cp932& GetTitle() const { return title_; }
    int32_t GetPenWidth() const { return pen_width_; }
    int32_t GetColour() const { return colour_; }
    int64_t GetBucketLength() const { return IsValid() ? bucket_length_ : kNotValid; }

    // (contest length - 1) / bucket length + 1, at least 1; -1 when not valid.
    int64_t GetBucketCount() const;
    // The bucket of a time: 0 before the start, the last bucket at or after the end; -1 when
    // not valid.
    int64_t GetBucketIndex(int64_t time) const;

    // Number of events of the source; -1 when not valid.
    int64_t GetEventCount() const;
    // Events are walked with a cursor: start with GetFirstEventPosition, then each
    // GetNextEvent returns one event time and moves the cursor on, to -1 after the last.
    // A cursor of -1 (or one that no longer fits the source) gives -1.
    int64_t GetFirstEventPosition() const;
    int64_t GetNextEvent(int64_t& cursor) const;
    // Events per bucket for buckets 0 … bucket_limit-1 (later events are left out), in one
    // pass over the entries; empty when not valid.
    std::vector<int64_t> CountEventsPerBucket(int64_t bucket_limit) const;

    // Back to the kind's defaults, not valid, no source.
    void DeleteContents();

private:
    int64_t EntryCount() const;
    const CQuillmarkData_LogDataItem* EntryAt(int64_t i) const;
    int64_t EventsOf(const CQuillmarkData_LogDataItem& entry) const;
    // First position at or after entry index i that has an event, or -1.
    int64_t PositionFrom(int64_t i) const;

    GraphKind kind_;
    int32_t valid_ = 0;
    int32_t shown_ = 0;
    int64_t bucket_length_ = 0;
    Cp932 title_;
    int32_t pen_width_ = 1;
    int32_t colour_ = 0;
    const CQuillmarkData_MainData* contest_ = nullptr;
    const CQuillmarkData_MainData* source_contest_ = nullptr;
    const CQuillmarkData_SubMainData* source_band_ = nullptr;
};

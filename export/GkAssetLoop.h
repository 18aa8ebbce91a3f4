// The walks of the export job over the rule object's records, written once for
// any rule type that offers the accounting library's operations (the job uses
// the library's ClRuleGenkashokyaku; tests use records held in memory).
//
// GkWalkAssets: every asset i below GetCount, its three records cleared before
// each Move; a lump-sum asset (method 4) gives one row per sub-item, each
// numbered 1, 2, ... in subNumber, and the walk over its sub-items ends at the
// hundredth, whose row the conversion refuses with its log entry.
// GkWalkAssetTypes: every asset-type record of LoadShisanKubunInfo, in order.
#pragma once

#include <cstring>

#include "binding/PelkRecords.h"
#include "export/GkWriter.h"
#include "textaccessor/TaDigits.h"

// Called now and then during the asset walk with the assets done and in all.
typedef void (*GkProgressFn)(void* context, long done, long total);

enum { GK_MAX_SUB_ITEMS = 100 };  // sub-items converted per lump-sum asset, the refused hundredth included

template <class Rule>
void GkWalkAssets(Rule& rule, ClGkWriter& writer, GkProgressFn progress = nullptr, void* context = nullptr)
{
    StKOTEISHISANINFO asset;
    StKOTEINENINFO year;
    StKOTEITSUKIINFO months;
    StIKKATSUINFO item;
    memset(&item, 0, sizeof item);

    rule.MoveReady(nullptr, 0, 0);
    long n = 0;
    rule.GetCount(&n);
    writer.ReserveAssetCodes(n);
    for (long i = 0; i < n; ++i) {
        memset(&asset, 0, sizeof asset);
        memset(&year, 0, sizeof year);
        memset(&months, 0, sizeof months);
        rule.Move(i, &asset, &year, &months);
        if (asset.deprMethod == 4) {
            unsigned char key[sizeof asset.ikkatsuKey];
            memcpy(key, asset.ikkatsuKey, sizeof key);
            long m = 0;
            rule.MoveReadyIkkatsu(key);
            rule.GetIkkatsuCount(&m);
            for (long j = 0; j < m && j < GK_MAX_SUB_ITEMS; ++j) {
                memset(&item, 0, sizeof item);
                rule.MoveIkkatsu(j, &item);
                memset(item.subNumber, 0, sizeof item.subNumber);
                static_assert(GK_MAX_SUB_ITEMS <= 999 && sizeof item.subNumber > 3, "a sub-number and its NUL fit");
                char digits[24];
                const char* number = TaDigits(static_cast<uint64_t>(j + 1), digits + sizeof digits);
                memcpy(item.subNumber, number, static_cast<size_t>(digits + sizeof digits - number));
                writer.WriteAssetRow(&asset, &year, &months, &item);
            }
            rule.MoveFinishIkkatsu();
        } else {
            writer.WriteAssetRow(&asset, &year, &months, &item);
        }
        if (progress && ((i + 1) % 4096 == 0 || i + 1 == n))
            progress(context, i + 1, n);
    }
}

// Answers the array for the caller to free (null when none was delivered).
template <class Rule>
StSHISANKUBUNINFO* GkWalkAssetTypes(Rule& rule, ClGkWriter& writer)
{
    StSHISANKUBUNINFO* types = nullptr;
    long count = 0;
    rule.LoadShisanKubunInfo(&types, &count);
    for (long k = 0; types != nullptr && k < count; ++k)
        writer.WriteAssetTypeRow(&types[k]);
    return types;
}

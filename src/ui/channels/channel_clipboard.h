#pragma once
// Channels on the clipboard in two forms: the CSV rows of the channel exchange as text, for
// spreadsheets and text editors, and a private type with the exact bytes, for another running
// copy of the program.

#include "core/channels/channel_rows.h"
#include "core/exchange/channel_clip_csv.h"

#include <QString>
#include <optional>
#include <vector>

class QMimeData;

inline const QString kChannelsMimeType = QStringLiteral("application/x-dpmr-cps-channels");

// Both forms of the given channels.
QMimeData *ChannelsMimeData(const dpmr::Image &image, const dpmr::BandLimits &band,
                            const std::vector<int> &channels);

// The exact bytes when the clipboard has them, otherwise its text read by the import rules
// against `image`; nullopt when it holds neither.
std::optional<dpmr::CsvClip> ChannelsFromMimeData(const QMimeData *data, const dpmr::Image &image);

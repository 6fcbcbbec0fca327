#include "ui/channels/channel_clipboard.h"

#include <QMimeData>

QMimeData *ChannelsMimeData(const dpmr::Image &image, const dpmr::BandLimits &band,
                            const std::vector<int> &channels) {
    auto *data = new QMimeData;
    const std::string bytes = dpmr::SerializeClip(dpmr::CopyChannels(image, band, channels));
    data->setData(kChannelsMimeType,
                  QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    data->setText(QString::fromStdString(dpmr::ChannelsToCsvText(image, channels)));
    return data;
}

std::optional<dpmr::CsvClip> ChannelsFromMimeData(const QMimeData *data, const dpmr::Image &image) {
    if (!data)
        return std::nullopt;
    if (data->hasFormat(kChannelsMimeType)) {
        const QByteArray bytes = data->data(kChannelsMimeType);
        if (auto clip = dpmr::DeserializeClip(std::string(bytes.constData(), bytes.size())))
            return dpmr::CsvClip{std::move(*clip), {}};
    }
    if (data->hasText() && !data->text().trimmed().isEmpty())
        return dpmr::ChannelsFromCsvText(data->text().toStdString(), image);
    return std::nullopt;
}

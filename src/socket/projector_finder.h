// SPDX-License-Identifier: MIT
#pragma once

#include <QLocalSocket>
#include <QObject>
#include <QTimer>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "devices/system_device_maker.h"
#include "link/projector_search.h"
#include "system/descriptors.h"

namespace qm5 {

/// Told the end of a search.
class FinderEvents {
  public:
    virtual ~FinderEvents() = default;
    /// Every device asked, in the order given, with what it answered.
    virtual void onSearchDone(const std::vector<SearchAnswer>& answers) = 0;
};

/// Asks a device through the panel that has it open, with one "SEND" request on the panel's
/// local socket, so that the device is never opened twice and the panel's operator sees the
/// query. Without such a panel it asks the device on its own line (DeviceQuery).
class PanelQuery final : public QObject {
  public:
    PanelQuery(std::string device, DeviceMaker& maker, QueryEvents& events,
               TrafficRecorder* recorder, const OpenDevices& open);
    /// A search ended early: the socket going away is no answer.
    ~PanelQuery() override { QObject::disconnect(&panel_, nullptr, this, nullptr); }
    void start();

  private:
    void onConnected();
    void onSocketError(QLocalSocket::LocalSocketError error);
    void onReadyRead();
    void finish(SearchAnswer answer);

    std::string device_;
    DeviceMaker& maker_;
    QueryEvents& events_;
    TrafficRecorder* recorder_;
    const OpenDevices& open_;
    QLocalSocket panel_;
    QTimer limit_;
    QByteArray answer_;
    std::unique_ptr<DeviceQuery> direct_;
    bool done_ = false;
};

/// Asks every device at once whether a projector is there, so that the whole search takes about
/// one reply timeout; past what the descriptor limit allows, a longer list is asked in turns.
/// Two names of one device are asked once. The processes' open devices are read beside the
/// event loop first: with many processes that takes seconds, which a window must not freeze for.
class ProjectorFinder final : public QObject, private QueryEvents {
  public:
    /// Each line asked holds descriptors (the device's, its lock's, a panel's socket): past the
    /// system's limit a free device would fail to open as if it were busy.
    static constexpr long kDescriptorsPerLine = 3;
    /// Kept for everything else the program has open.
    static constexpr long kDescriptorsSpared = 64;
    /// How many lines are asked at once under a limit of `descriptors`.
    static std::size_t atOnce(long descriptors);

    /// What is sent and received on the devices' own lines is recorded in `recorder`, if any;
    /// a panel records its own.
    ProjectorFinder(const std::vector<std::string>& devices, FinderEvents& events,
                    TrafficRecorder* recorder = nullptr);
    void start();
    /// The devices that have answered so far, in the order given.
    std::vector<SearchAnswer> answersSoFar() const;

  private:
    void onAnswered(const SearchAnswer& answer) override;
    void onScanned(OpenDevices open);
    void askMore();

    FinderEvents& events_;
    SystemDeviceMaker maker_;
    /// Filled by the scan before any device is asked.
    OpenDevices open_;
    std::size_t atOnce_ = atOnce(descriptorLimit());
    std::vector<std::unique_ptr<PanelQuery>> queries_;
    std::vector<SearchAnswer> answers_;
    /// Beside answers_: whether that device has answered.
    std::vector<bool> answeredSlots_;
    std::size_t asked_ = 0;
    std::size_t answered_ = 0;
    /// A device that fails at once answers from inside askMore, whose loop goes on.
    bool asking_ = false;
};

}  // namespace qm5

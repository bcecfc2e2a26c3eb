// SPDX-License-Identifier: MIT
#include "link/answer_json.h"
#include "core/escaped_name.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace qm5 {

QByteArray answerJson(const AnswerFields& fields) {
    QJsonObject object{
        {"device", QString::fromStdString(escapedName(fields.device))},
        {"sent", QString::fromStdString(fields.sent)},
        {"replied", fields.replied},
        {"reply", QString::fromStdString(fields.reply)},
        {"replyHex",
         QString::fromLatin1(QByteArray::fromStdString(fields.replyChars).toHex(' ').toUpper())}};
    if (fields.port) object.insert("port", *fields.port);
    if (fields.status) object.insert("status", QString::fromStdString(*fields.status).trimmed());
    if (!fields.error.isEmpty()) {
        object.insert("error", fields.error);
        const std::string_view code = failureCode(fields.failure);
        object.insert("errorCode", QLatin1String(code.data(), static_cast<qsizetype>(code.size())));
    }
    if (fields.refused) object.insert("refused", true);
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

}  // namespace qm5

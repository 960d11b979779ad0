// Everything the QML pages find in their root context: the main object, the records, the lists
// and the registered types. The program and the window tests publish the same set.
#pragma once

class QQmlEngine;
class QObject;

// `mainObject` is the context property cppClass; `eventLogModel` the event table's model.
void publishQmlContext(QQmlEngine &engine, QObject *mainObject, QObject *eventLogModel);

#pragma once

namespace kassio::sim {

class FunctionTable;
class RecordTable;

// Each subsystem's rows of the driver's tables, registered in its own file.
void registerValidatorFunctions(FunctionTable& table);
void registerTerminalFunctions(FunctionTable& table);
void registerBannerFunctions(FunctionTable& table);
void registerDateFunctions(FunctionTable& table);

void registerEntryRecords(RecordTable& table);
void registerTerminalRecords(RecordTable& table);
void registerTransactionRecords(RecordTable& table);
void registerOfferRecords(RecordTable& table);
void registerDashboardRecords(RecordTable& table);
void registerBannerRecords(RecordTable& table);

}  // namespace kassio::sim

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name></name>
    <message id="About Tellavo">
        <source></source>
        <translation>About Tellavo</translation>
    </message>
    <message id="Tellavo V3.6.en" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Tellavo V3.6.en</numerusform>
            <numerusform>Tellavo V3.6.en</numerusform>
        </translation>
    </message>
    <message id="Station number：" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Station number:</numerusform>
            <numerusform>Station number:</numerusform>
        </translation>
    </message>
    <message id="Ready">
        <source></source>
        <translation>Ready</translation>
    </message>
    <message id="File(&amp;F)">
        <source></source>
        <translation>File(&amp;F)</translation>
    </message>
    <message id="Update to computer">
        <source></source>
        <translation>Upload to Computer</translation>
    </message>
    <message id="Downloads to Device">
        <source></source>
        <translation>Download to Device</translation>
    </message>
    <message id="Exit">
        <source></source>
        <translation>Exit</translation>
    </message>
    <message id="Settings(&amp;S)">
        <source></source>
        <translation>Settings(&amp;S)</translation>
    </message>
    <message id="Two point Trim">
        <source></source>
        <translation>Two Point Trim</translation>
    </message>
    <message id="Cancel Linear Compensation">
        <source></source>
        <translation>Cancel Linear Compensation</translation>
    </message>
    <message id="Cancel Thermal Compensation">
        <source></source>
        <translation>Cancel Thermal Compensation</translation>
    </message>
    <message id="Restore Thermal Compensation">
        <source></source>
        <translation>Restore Thermal Compensation</translation>
    </message>
    <message id="Monitor(&amp;M)">
        <source></source>
        <translation>Monitor(&amp;M)</translation>
    </message>
    <message id="Reset Device">
        <source></source>
        <translation>Reset Device</translation>
    </message>
    <message id="Monitor PV">
        <source></source>
        <translation>Monitor PV</translation>
    </message>
    <message id="Monitor Loop">
        <source></source>
        <translation>Monitor Loop</translation>
    </message>
    <message id="Monitor Percentage">
        <source></source>
        <translation>Monitor Percentage</translation>
    </message>
    <message id="Monitor All">
        <source></source>
        <translation>Monitor All</translation>
    </message>
    <message id="Tools(&amp;T)">
        <source></source>
        <translation>Tools(&amp;T)</translation>
    </message>
    <message id="Online Test">
        <source></source>
        <translation>Online Test</translation>
    </message>
    <message id="Polling">
        <source></source>
        <translation>Polling</translation>
    </message>
    <message id="Restore">
        <source></source>
        <translation>Restore</translation>
    </message>
    <message id="Calculator">
        <source></source>
        <translation>Calculator</translation>
    </message>
    <message id="Default Parameters">
        <source></source>
        <translation>Default Parameters</translation>
    </message>
    <message id="Info Look(&amp;L)">
        <source></source>
        <translation>Info(&amp;L)</translation>
    </message>
    <message id="Hardware/Software Infomations">
        <source></source>
        <translation>Hardware/Software Information</translation>
    </message>
    <message id="Communication Log">
        <source></source>
        <translation>Communication Log</translation>
    </message>
    <message id="Device History">
        <source></source>
        <translation>Device History</translation>
    </message>
    <message id="About  Tellavo(&amp;A)...">
        <source></source>
        <translation>About Tellavo(&amp;A)...</translation>
    </message>
    <message id="Serial Port : COM%1">
        <source></source>
        <translation>Serial Port : COM%1</translation>
    </message>
    <message id="Serial Port : ">
        <source></source>
        <translation>Serial Port : </translation>
    </message>
    <message id="Factory Calibration">
        <source></source>
        <translation>Factory Calibration</translation>
    </message>
    <message id="PV Parameters">
        <source></source>
        <translation>PV Parameters</translation>
    </message>
    <message id="Loop &amp; PGA Settings">
        <source></source>
        <translation>Loop &amp; PGA Settings</translation>
    </message>
    <message id="Pressure Calibration">
        <source></source>
        <translation>Pressure Calibration</translation>
    </message>
    <message id="Calibration Check">
        <source></source>
        <translation>Calibration Check</translation>
    </message>
    <message id="Subentry Settings">
        <source></source>
        <translation>Subentry Settings</translation>
    </message>
    <message id="Instrument Number">
        <source></source>
        <translation>Instrument Number</translation>
    </message>
    <message id="Instrument Detail">
        <source></source>
        <translation>Instrument Detail</translation>
    </message>
    <message id="Rerange Without Pressure">
        <source></source>
        <translation>Rerange Without Pressure</translation>
    </message>
    <message id="Two Point Trim">
        <source></source>
        <translation>Two Point Trim</translation>
    </message>
    <message id="Loop Out Character">
        <source></source>
        <translation>Loop Out Character</translation>
    </message>
    <message id="Damping Time">
        <source></source>
        <translation>Damping Time</translation>
    </message>
    <message id="Filter">
        <source></source>
        <translation>Filter</translation>
    </message>
    <message id="Special Parameters Settings">
        <source></source>
        <translation>Special Parameters Settings</translation>
    </message>
    <message id="SV Settings">
        <source></source>
        <translation>SV Settings</translation>
    </message>
    <message id="Monitor Process">
        <source></source>
        <translation>Monitor Process</translation>
    </message>
    <message id="Device Reset">
        <source></source>
        <translation>Device Reset</translation>
    </message>
    <message id="Polling Device">
        <source></source>
        <translation>Polling Device</translation>
    </message>
    <message id="Stop Communication">
        <source></source>
        <translation>Stop Communication</translation>
    </message>
    <message id="Normal">
        <source></source>
        <translation>Normal</translation>
    </message>
    <message id="Broadcast">
        <source></source>
        <translation>Broadcast</translation>
    </message>
    <message id="Commands:" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Commands:</numerusform>
            <numerusform>Commands:</numerusform>
        </translation>
    </message>
    <message id="all; or e.g. 1, 15, 48">
        <source></source>
        <translation>all; or e.g. 1, 15, 48</translation>
    </message>
    <message id="Clear" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Clear</numerusform>
            <numerusform>Clear</numerusform>
        </translation>
    </message>
    <message id="Save..." numerus="yes">
        <source></source>
        <translation>
            <numerusform>Save...</numerusform>
            <numerusform>Save...</numerusform>
        </translation>
    </message>
    <message id="Commands are numbers from 0 to 255, separated by commas">
        <source></source>
        <translation>Commands are numbers from 0 to 255, separated by commas</translation>
    </message>
    <message id="The log shows no frames to save">
        <source></source>
        <translation>The log shows no frames to save</translation>
    </message>
    <message id="Devices:" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Devices:</numerusform>
            <numerusform>Devices:</numerusform>
        </translation>
    </message>
    <message id="Filter:" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Filter:</numerusform>
            <numerusform>Filter:</numerusform>
        </translation>
    </message>
    <message id="all records; or text in the operation, detail, result, tag, station or user">
        <source></source>
        <translation>all records; or text in the operation, detail, result, tag, station or user</translation>
    </message>
    <message id="Choose a device in the list first">
        <source></source>
        <translation>Choose a device in the list first</translation>
    </message>
    <message id="The window shows no records to export">
        <source></source>
        <translation>The window shows no records to export</translation>
    </message>
    <message id="Data file (.Hart)..." numerus="yes">
        <source></source>
        <translation>
            <numerusform>Data file (.Hart)...</numerusform>
            <numerusform>Data file (.Hart)...</numerusform>
        </translation>
    </message>
    <message id="The device now" numerus="yes">
        <source></source>
        <translation>
            <numerusform>The device now</numerusform>
            <numerusform>The device now</numerusform>
        </translation>
    </message>
    <message id="Read" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Read</numerusform>
            <numerusform>Read</numerusform>
        </translation>
    </message>
    <message id="℃" numerus="yes">
        <source></source>
        <translation>
            <numerusform>°C</numerusform>
            <numerusform>°C</numerusform>
        </translation>
    </message>
    <message id="Sampling" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Sampling</numerusform>
            <numerusform>Sampling</numerusform>
        </translation>
    </message>
    <message id="Stop" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Stop</numerusform>
            <numerusform>Stop</numerusform>
        </translation>
    </message>
    <message id="Update" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Update</numerusform>
            <numerusform>Update</numerusform>
        </translation>
    </message>
    <message id="Read Correction" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Read Correction</numerusform>
            <numerusform>Read Correction</numerusform>
        </translation>
    </message>
    <message id="Invalid Temperature">
        <source></source>
        <translation>Invalid Temperature</translation>
    </message>
    <message id="Select Current Temperature Level">
        <source></source>
        <translation>Select Current Temperature Level</translation>
    </message>
    <message id="Get data of 2 points at least!">
        <source></source>
        <translation>Get the data of at least 2 points!</translation>
    </message>
    <message id="Test" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Test</numerusform>
            <numerusform>Test</numerusform>
        </translation>
    </message>
    <message id="Test points (% of range)">
        <source></source>
        <translation>Test points (% of range)</translation>
    </message>
    <message id="PV tolerance">
        <source></source>
        <translation>PV tolerance</translation>
    </message>
    <message id="Loop current tolerance">
        <source></source>
        <translation>Loop current tolerance</translation>
    </message>
    <message id="Decision rule">
        <source></source>
        <translation>Decision rule</translation>
    </message>
    <message id="Ambient">
        <source></source>
        <translation>Ambient</translation>
    </message>
    <message id="°C">
        <source></source>
        <translation>°C</translation>
    </message>
    <message id="%RH">
        <source></source>
        <translation>%RH</translation>
    </message>
    <message id="Reference standard" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Reference standard</numerusform>
            <numerusform>Reference standard</numerusform>
        </translation>
    </message>
    <message id="Reference">
        <source></source>
        <translation>Reference</translation>
    </message>
    <message id="Serial number">
        <source></source>
        <translation>Serial number</translation>
    </message>
    <message id="Uncertainty (k = 2)">
        <source></source>
        <translation>Uncertainty (k = 2)</translation>
    </message>
    <message id="Calibration due">
        <source></source>
        <translation>Calibration due</translation>
    </message>
    <message id="yyyy-MM-dd">
        <source></source>
        <translation>yyyy-MM-dd</translation>
    </message>
    <message id="Technician">
        <source></source>
        <translation>Technician</translation>
    </message>
    <message id="Run" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Run</numerusform>
            <numerusform>Run</numerusform>
        </translation>
    </message>
    <message id="Set up the check and press Start As Found." numerus="yes">
        <source></source>
        <translation>
            <numerusform>Set up the check and press Start As Found.</numerusform>
            <numerusform>Set up the check and press Start As Found.</numerusform>
        </translation>
    </message>
    <message id="Adjust between the runs:" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Adjust between the runs:</numerusform>
            <numerusform>Adjust between the runs:</numerusform>
        </translation>
    </message>
    <message id="Humidity: a relative humidity lies between 0 and 100 %RH.">
        <source></source>
        <translation>Humidity: a relative humidity lies between 0 and 100 %RH.</translation>
    </message>
    <message id="Reference: please enter the reference standard's name and serial number.">
        <source></source>
        <translation>Reference: please enter the reference standard&apos;s name and serial number.</translation>
    </message>
    <message id="Uncertainty (k = 2): an uncertainty is not negative.">
        <source></source>
        <translation>Uncertainty (k = 2): an uncertainty is not negative.</translation>
    </message>
    <message id="Calibration due: please enter the reference's calibration due date as yyyy-MM-dd.">
        <source></source>
        <translation>Calibration due: please enter the reference&apos;s calibration due date as yyyy-MM-dd.</translation>
    </message>
    <message id="Technician: please enter the name of who makes the check.">
        <source></source>
        <translation>Technician: please enter the name of who makes the check.</translation>
    </message>
    <message id="Start As Found or Start As Left first.">
        <source></source>
        <translation>Start As Found or Start As Left first.</translation>
    </message>
    <message id="The certificate could not be drawn.">
        <source></source>
        <translation>The certificate could not be drawn.</translation>
    </message>
    <message id="Damping Time (0~100)">
        <source></source>
        <translation>Damping Time (0~100)</translation>
    </message>
    <message id="S">
        <source></source>
        <translation>s</translation>
    </message>
    <message id="Filter Configuration">
        <source></source>
        <translation>Filter Configuration</translation>
    </message>
    <message id="Inhibition ratio">
        <source></source>
        <translation>Inhibition ratio</translation>
    </message>
    <message id="%">
        <source></source>
        <translation>%</translation>
    </message>
    <message id="Device Details">
        <source></source>
        <translation>Device Details</translation>
    </message>
    <message id="Station Tag (Within 8 ASCII)">
        <source></source>
        <translation>Station Tag (Within 8 ASCII)</translation>
    </message>
    <message id="Station Description (Within 16 ASCII)">
        <source></source>
        <translation>Station Description (Within 16 ASCII)</translation>
    </message>
    <message id="Device Message (Within 32 ASCII)">
        <source></source>
        <translation>Device Message (Within 32 ASCII)</translation>
    </message>
    <message id="Date">
        <source></source>
        <translation>Date</translation>
    </message>
    <message id="Y">
        <source></source>
        <translation>Y</translation>
    </message>
    <message id="M">
        <source></source>
        <translation>M</translation>
    </message>
    <message id="D">
        <source></source>
        <translation>D</translation>
    </message>
    <message id="Device Number">
        <source></source>
        <translation>Device Number</translation>
    </message>
    <message id="Polling Address(0~15)">
        <source></source>
        <translation>Polling Address (0~15)</translation>
    </message>
    <message id="Assembly Number(0~8388608)">
        <source></source>
        <translation>Assembly Number (0~8388608)</translation>
    </message>
    <message id="Lot ID（Y:2.M:1.Lot:5）">
        <source></source>
        <translation>Lot ID (Y:2.M:1.Lot:5)</translation>
    </message>
    <message id="Zero Trim">
        <source></source>
        <translation>Zero Trim</translation>
    </message>
    <message id="Temperature(DIE)">
        <source></source>
        <translation>Temperature (DIE)</translation>
    </message>
    <message id="Density compensation function">
        <source></source>
        <translation>Density compensation function</translation>
    </message>
    <message id="Loop Alarm Type">
        <source></source>
        <translation>Loop Alarm Type</translation>
    </message>
    <message id="Display Mode">
        <source></source>
        <translation>Display Mode</translation>
    </message>
    <message id="Number Format">
        <source></source>
        <translation>Number Format</translation>
    </message>
    <message id="DIE Temperature">
        <source></source>
        <translation>DIE Temperature</translation>
    </message>
    <message id="°F">
        <source></source>
        <translation>°F</translation>
    </message>
    <message id="K">
        <source></source>
        <translation>K</translation>
    </message>
    <message id="Display Duty Cycle">
        <source></source>
        <translation>Display Duty Cycle</translation>
    </message>
    <message id="% (10%~90%)">
        <source></source>
        <translation>% (10%~90%)</translation>
    </message>
    <message id="Start" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Start</numerusform>
            <numerusform>Start</numerusform>
        </translation>
    </message>
    <message id="Save CSV" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Save CSV</numerusform>
            <numerusform>Save CSV</numerusform>
        </translation>
    </message>
    <message id="No samples to save.">
        <source></source>
        <translation>No samples to save.</translation>
    </message>
    <message id="Device Message(32 ASCII)">
        <source></source>
        <translation>Device Message (32 ASCII)</translation>
    </message>
    <message id="Sensor Information" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Sensor Information</numerusform>
            <numerusform>Sensor Information</numerusform>
        </translation>
    </message>
    <message id="Sensor Lower Range Limit">
        <source></source>
        <translation>Sensor Lower Range Limit</translation>
    </message>
    <message id="Sensor Upper Range Limit">
        <source></source>
        <translation>Sensor Upper Range Limit</translation>
    </message>
    <message id="Sensor Unit">
        <source></source>
        <translation>Sensor Unit</translation>
    </message>
    <message id="Sensor Type">
        <source></source>
        <translation>Sensor Type</translation>
    </message>
    <message id="Range Index">
        <source></source>
        <translation>Range Index</translation>
    </message>
    <message id="Sensor Excitation">
        <source></source>
        <translation>Sensor Excitation</translation>
    </message>
    <message id="Maximum Resistance">
        <source></source>
        <translation>Maximum Resistance</translation>
    </message>
    <message id="Device Information" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Device Information</numerusform>
            <numerusform>Device Information</numerusform>
        </translation>
    </message>
    <message id="PV Lower Range Limit">
        <source></source>
        <translation>PV Lower Range Limit</translation>
    </message>
    <message id="PV Upper Range Limit">
        <source></source>
        <translation>PV Upper Range Limit</translation>
    </message>
    <message id="PV Unit">
        <source></source>
        <translation>PV Unit</translation>
    </message>
    <message id="Assembly ID">
        <source></source>
        <translation>Assembly ID</translation>
    </message>
    <message id="Special Configuration" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Special Configuration</numerusform>
            <numerusform>Special Configuration</numerusform>
        </translation>
    </message>
    <message id="Transfer Function">
        <source></source>
        <translation>Transfer Function</translation>
    </message>
    <message id="Pressure Modes">
        <source></source>
        <translation>Pressure Mode</translation>
    </message>
    <message id="Loop Trim">
        <source></source>
        <translation>Loop Trim</translation>
    </message>
    <message id="Use 250ohm for measurement" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Use 250 Ω for measurement</numerusform>
            <numerusform>Use 250 Ω for measurement</numerusform>
        </translation>
    </message>
    <message id="DA Zero Out">
        <source></source>
        <translation>DA Zero Out</translation>
    </message>
    <message id="Check" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Check</numerusform>
            <numerusform>Check</numerusform>
        </translation>
    </message>
    <message id="DA Span Out">
        <source></source>
        <translation>DA Span Out</translation>
    </message>
    <message id="Send" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Send</numerusform>
            <numerusform>Send</numerusform>
        </translation>
    </message>
    <message id="Check Loop">
        <source></source>
        <translation>Check Loop</translation>
    </message>
    <message id="mA">
        <source></source>
        <translation>mA</translation>
    </message>
    <message id="Checking" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Checking</numerusform>
            <numerusform>Checking</numerusform>
        </translation>
    </message>
    <message id="Finish Loop Check" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Finish Loop Check</numerusform>
            <numerusform>Finish Loop Check</numerusform>
        </translation>
    </message>
    <message id="Reconfig Range">
        <source></source>
        <translation>Reconfig Range</translation>
    </message>
    <message id="PV LRL">
        <source></source>
        <translation>PV LRL</translation>
    </message>
    <message id="PV URL">
        <source></source>
        <translation>PV URL</translation>
    </message>
    <message id="LRV(4mA)">
        <source></source>
        <translation>LRV (4 mA)</translation>
    </message>
    <message id="URV(20mA)">
        <source></source>
        <translation>URV (20 mA)</translation>
    </message>
    <message id="Unit">
        <source></source>
        <translation>Unit</translation>
    </message>
    <message id="Measured PV">
        <source></source>
        <translation>Measured PV</translation>
    </message>
    <message id="Actual PV">
        <source></source>
        <translation>Actual PV</translation>
    </message>
    <message id="PV Low Trim" numerus="yes">
        <source></source>
        <translation>
            <numerusform>PV Low Trim</numerusform>
            <numerusform>PV Low Trim</numerusform>
        </translation>
    </message>
    <message id="PV High Trim" numerus="yes">
        <source></source>
        <translation>
            <numerusform>PV High Trim</numerusform>
            <numerusform>PV High Trim</numerusform>
        </translation>
    </message>
    <message id="PV Zero Trim" numerus="yes">
        <source></source>
        <translation>
            <numerusform>PV Zero Trim</numerusform>
            <numerusform>PV Zero Trim</numerusform>
        </translation>
    </message>
    <message id="Tools">
        <source></source>
        <translation>Tools</translation>
    </message>
    <message id="Calculation mA" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Calculated mA</numerusform>
            <numerusform>Calculated mA</numerusform>
        </translation>
    </message>
    <message id="4mA Pressure">
        <source></source>
        <translation>4 mA Pressure</translation>
    </message>
    <message id="20mA Pressure">
        <source></source>
        <translation>20 mA Pressure</translation>
    </message>
    <message id="Input Pressure">
        <source></source>
        <translation>Input Pressure</translation>
    </message>
    <message id="Loop mA">
        <source></source>
        <translation>Loop mA</translation>
    </message>
    <message id="Calculation PV" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Calculated PV</numerusform>
            <numerusform>Calculated PV</numerusform>
        </translation>
    </message>
    <message id="AD calculation" numerus="yes">
        <source></source>
        <translation>
            <numerusform>AD calculation</numerusform>
            <numerusform>AD calculation</numerusform>
        </translation>
    </message>
    <message id="Low Pressure">
        <source></source>
        <translation>Low Pressure</translation>
    </message>
    <message id="AD - Low">
        <source></source>
        <translation>AD - Low</translation>
    </message>
    <message id="High Pressure">
        <source></source>
        <translation>High Pressure</translation>
    </message>
    <message id="AD - High">
        <source></source>
        <translation>AD - High</translation>
    </message>
    <message id="Zero ADC">
        <source></source>
        <translation>Zero ADC</translation>
    </message>
    <message id="Span ADC">
        <source></source>
        <translation>Span ADC</translation>
    </message>
    <message id="Calculation AD" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Calculated AD</numerusform>
            <numerusform>Calculated AD</numerusform>
        </translation>
    </message>
    <message id="0">
        <source></source>
        <translation>0</translation>
    </message>
    <message id="Default Params">
        <source></source>
        <translation>Default Parameters</translation>
    </message>
    <message id="Online Test Before Update" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Online Test Before Update</numerusform>
            <numerusform>Online Test Before Update</numerusform>
        </translation>
    </message>
    <message id="Serial Port">
        <source></source>
        <translation>Serial Port</translation>
    </message>
    <message id="Polling Address">
        <source></source>
        <translation>Polling Address</translation>
    </message>
    <message id="Index Range">
        <source></source>
        <translation>Index Range</translation>
    </message>
    <message id="Lower Range Limit">
        <source></source>
        <translation>Lower Range Limit</translation>
    </message>
    <message id="Upper Range Limit">
        <source></source>
        <translation>Upper Range Limit</translation>
    </message>
    <message id="OK">
        <source></source>
        <translation>OK</translation>
    </message>
    <message id="Hardware and software information">
        <source></source>
        <translation>Hardware and software information</translation>
    </message>
    <message id="Software Version">
        <source></source>
        <translation>Software Version</translation>
    </message>
    <message id="Hardware Version">
        <source></source>
        <translation>Hardware Version</translation>
    </message>
    <message id="Query" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Query</numerusform>
            <numerusform>Query</numerusform>
        </translation>
    </message>
    <message id="Calibration certificate ">
        <source></source>
        <translation>Calibration certificate </translation>
    </message>
    <message id="Communication Port Error">
        <source></source>
        <translation>Communication Port Error</translation>
    </message>
    <message id="No Device">
        <source></source>
        <translation>No Device</translation>
    </message>
    <message id="Busy!Try later.">
        <source></source>
        <translation>Busy! Try later.</translation>
    </message>
    <message id="Busy! Try later.">
        <source></source>
        <translation>Busy! Try later.</translation>
    </message>
    <message id="Online Device Searching?">
        <source></source>
        <translation>Online Device Searching?</translation>
    </message>
    <message id="s">
        <source></source>
        <translation>s</translation>
    </message>
    <message id="Invalid Damping Time">
        <source></source>
        <translation>Invalid Damping Time</translation>
    </message>
    <message id="Year Input Error">
        <source></source>
        <translation>Year Input Error</translation>
    </message>
    <message id="Month Input Error">
        <source></source>
        <translation>Month Input Error</translation>
    </message>
    <message id="Day Input Error">
        <source></source>
        <translation>Day Input Error</translation>
    </message>
    <message id="短地址数据不合理">
        <source></source>
        <translation>Invalid polling address</translation>
    </message>
    <message id="当前装配编号数据不合理">
        <source></source>
        <translation>Invalid assembly number</translation>
    </message>
    <message id="Lot ID">
        <source></source>
        <translation>Lot ID</translation>
    </message>
    <message id="Loop Function">
        <source></source>
        <translation>Loop Function</translation>
    </message>
    <message id="Linear">
        <source></source>
        <translation>Linear</translation>
    </message>
    <message id="SQRT">
        <source></source>
        <translation>SQRT</translation>
    </message>
    <message id="No compensation">
        <source></source>
        <translation>No compensation</translation>
    </message>
    <message id="1-order compensation">
        <source></source>
        <translation>1-order compensation</translation>
    </message>
    <message id="2-order compensation">
        <source></source>
        <translation>2-order compensation</translation>
    </message>
    <message id="Invalid Duty Cycle">
        <source></source>
        <translation>Invalid Duty Cycle</translation>
    </message>
    <message id="SV Display Mode">
        <source></source>
        <translation>SV Display Mode</translation>
    </message>
    <message id="SV Display Off">
        <source></source>
        <translation>SV Display Off</translation>
    </message>
    <message id="SV ON C">
        <source></source>
        <translation>SV On °C</translation>
    </message>
    <message id="SV ON F">
        <source></source>
        <translation>SV On °F</translation>
    </message>
    <message id="SV On K">
        <source></source>
        <translation>SV On K</translation>
    </message>
    <message id="+5V">
        <source></source>
        <translation>+5 V</translation>
    </message>
    <message id="1.5mA">
        <source></source>
        <translation>1.5 mA</translation>
    </message>
    <message id="1mA">
        <source></source>
        <translation>1 mA</translation>
    </message>
    <message id="0.75mA">
        <source></source>
        <translation>0.75 mA</translation>
    </message>
    <message id="0.5mA">
        <source></source>
        <translation>0.5 mA</translation>
    </message>
    <message id="0.25mA">
        <source></source>
        <translation>0.25 mA</translation>
    </message>
    <message id="Display PV">
        <source></source>
        <translation>Display PV</translation>
    </message>
    <message id="Display F.S.%">
        <source></source>
        <translation>Display % of Span</translation>
    </message>
    <message id="Display Loop mA">
        <source></source>
        <translation>Display Loop mA</translation>
    </message>
    <message id="20.8mA">
        <source></source>
        <translation>20.8 mA</translation>
    </message>
    <message id="3.8mA">
        <source></source>
        <translation>3.8 mA</translation>
    </message>
    <message id="Saturated">
        <source></source>
        <translation>Saturated</translation>
    </message>
    <message id="Integer">
        <source></source>
        <translation>Integer</translation>
    </message>
    <message id="1 decimal">
        <source></source>
        <translation>1 decimal</translation>
    </message>
    <message id="2 decimal">
        <source></source>
        <translation>2 decimals</translation>
    </message>
    <message id="3 decimal">
        <source></source>
        <translation>3 decimals</translation>
    </message>
    <message id="Gauge Modes">
        <source></source>
        <translation>Gauge Mode</translation>
    </message>
    <message id="Absolute Modes">
        <source></source>
        <translation>Absolute Mode</translation>
    </message>
    <message id="第一点值超出范围">
        <source></source>
        <translation>The first point is out of range</translation>
    </message>
    <message id="第二点值超出范围">
        <source></source>
        <translation>The second point is out of range</translation>
    </message>
    <message id="Check[Get]Button!">
        <source></source>
        <translation>Press Check (Get) first!</translation>
    </message>
    <message id="Zero Trim ?">
        <source></source>
        <translation>Zero Trim?</translation>
    </message>
    <message id="请输入一个数字。">
        <source></source>
        <translation>Please enter a number.</translation>
    </message>
    <message id="请输入一个正整数。">
        <source></source>
        <translation>Please enter a positive integer.</translation>
    </message>
    <message id="Display PV ">
        <source></source>
        <translation>Display PV</translation>
    </message>
    <message id="Thermal Effective">
        <source></source>
        <translation>Thermal Effective</translation>
    </message>
    <message id="℃ (≥0℃)">
        <source></source>
        <translation>°C (≥0 °C)</translation>
    </message>
    <message id="Thermal Direct Loop Trim">
        <source></source>
        <translation>Thermal Direct Loop Trim</translation>
    </message>
    <message id="%(-50%~50%)">
        <source></source>
        <translation>% (-50%~50%)</translation>
    </message>
    <message id="Area">
        <source></source>
        <translation>Area</translation>
    </message>
    <message id="m2(>0)">
        <source></source>
        <translation>m2 (&gt;0)</translation>
    </message>
    <message id="Density">
        <source></source>
        <translation>Density</translation>
    </message>
    <message id="g/cm3(0.000081~22.65)">
        <source></source>
        <translation>g/cm3 (0.000081~22.65)</translation>
    </message>
    <message id="High">
        <source></source>
        <translation>High</translation>
    </message>
    <message id="m">
        <source></source>
        <translation>m</translation>
    </message>
    <message id="PS32 Capacity Ceramic">
        <source></source>
        <translation>PS32 Capacity Ceramic</translation>
    </message>
    <message id="PS18 Capacity Ceramic">
        <source></source>
        <translation>PS18 Capacity Ceramic</translation>
    </message>
    <message id="181 Piezoresistive Ceramic">
        <source></source>
        <translation>181 Piezoresistive Ceramic</translation>
    </message>
    <message id="182 Piezoresistive Ceramic">
        <source></source>
        <translation>182 Piezoresistive Ceramic</translation>
    </message>
    <message id="Piezoresistive Silicon">
        <source></source>
        <translation>Piezoresistive Silicon</translation>
    </message>
    <message id="Metal Capacitive Sensor">
        <source></source>
        <translation>Metal Capacitive Sensor</translation>
    </message>
    <message id="Magnetism rolling board">
        <source></source>
        <translation>Magnetic Rolling Board</translation>
    </message>
    <message id="High Stability Sililcon">
        <source></source>
        <translation>High Stability Silicon</translation>
    </message>
    <message id="MIDA Sapphire Silicon">
        <source></source>
        <translation>MIDA Sapphire Silicon</translation>
    </message>
    <message id="Sputtered Thin Film">
        <source></source>
        <translation>Sputtered Thin Film</translation>
    </message>
    <message id="Strain Type Sensor">
        <source></source>
        <translation>Strain Type Sensor</translation>
    </message>
    <message id="Weighting sensor">
        <source></source>
        <translation>Weighing Sensor</translation>
    </message>
    <message id="Connection">
        <source></source>
        <translation>Connection</translation>
    </message>
    <message id="Connect Through">
        <source></source>
        <translation>Connect Through</translation>
    </message>
    <message id="HART-IP Host">
        <source></source>
        <translation>HART-IP Host</translation>
    </message>
    <message id="HART-IP Port">
        <source></source>
        <translation>HART-IP Port</translation>
    </message>
    <message id="Reply Time-out">
        <source></source>
        <translation>Reply Time-out</translation>
    </message>
    <message id="From the device">
        <source></source>
        <translation>From the device</translation>
    </message>
    <message id="To the device">
        <source></source>
        <translation>To the device</translation>
    </message>
    <message id="Time">
        <source></source>
        <translation>Time</translation>
    </message>
    <message id="Dir">
        <source></source>
        <translation>Direction</translation>
    </message>
    <message id="Cmd">
        <source></source>
        <translation>Command</translation>
    </message>
    <message id="Decode">
        <source></source>
        <translation>Decoded</translation>
    </message>
    <message id="Bytes">
        <source></source>
        <translation>Bytes</translation>
    </message>
    <message id="%1 of %2 frames shown">
        <source></source>
        <translation>%1 of %2 frames shown</translation>
    </message>
    <message id=" (the last 10 000 are kept)">
        <source></source>
        <translation> (the last 10 000 are kept)</translation>
    </message>
    <message id="Capture (*.pcap)">
        <source></source>
        <translation>Capture (*.pcap)</translation>
    </message>
    <message id="code %d" numerus="yes">
        <source></source>
        <translation>
            <numerusform>code %d</numerusform>
            <numerusform>code %d</numerusform>
        </translation>
    </message>
    <message id="(unit code %d)" numerus="yes">
        <source></source>
        <translation>
            <numerusform>(unit code %d)</numerusform>
            <numerusform>(unit code %d)</numerusform>
        </translation>
    </message>
    <message id="Tag">
        <source></source>
        <translation>Tag</translation>
    </message>
    <message id="Descriptor">
        <source></source>
        <translation>Descriptor</translation>
    </message>
    <message id="Device Message">
        <source></source>
        <translation>Device Message</translation>
    </message>
    <message id="PV range">
        <source></source>
        <translation>PV range</translation>
    </message>
    <message id="PV Range Limits">
        <source></source>
        <translation>PV range limits</translation>
    </message>
    <message id="Sensor Limits">
        <source></source>
        <translation>Sensor limits</translation>
    </message>
    <message id="Temperature Points">
        <source></source>
        <translation>Temperature points</translation>
    </message>
    <message id="Pressure Points">
        <source></source>
        <translation>Pressure Points</translation>
    </message>
    <message id="Temperature %d" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Temperature %d</numerusform>
            <numerusform>Temperature %d</numerusform>
        </translation>
    </message>
    <message id="T-AD %d" numerus="yes">
        <source></source>
        <translation>
            <numerusform>T-AD %d</numerusform>
            <numerusform>T-AD %d</numerusform>
        </translation>
    </message>
    <message id="AD %d" numerus="yes">
        <source></source>
        <translation>
            <numerusform>AD %d</numerusform>
            <numerusform>AD %d</numerusform>
        </translation>
    </message>
    <message id=" (Temperature %s)" numerus="yes">
        <source></source>
        <translation>
            <numerusform> (Temperature %s)</numerusform>
            <numerusform> (Temperature %s)</numerusform>
        </translation>
    </message>
    <message id="its PV unit code %d is none the device knows" numerus="yes">
        <source></source>
        <translation>
            <numerusform>its PV unit code %d is not one the device knows</numerusform>
            <numerusform>its PV unit code %d is not one the device knows</numerusform>
        </translation>
    </message>
    <message id="its sensor limits (%s to %s) are not a range" numerus="yes">
        <source></source>
        <translation>
            <numerusform>its sensor limits (%s to %s) are not a range</numerusform>
            <numerusform>its sensor limits (%s to %s) are not a range</numerusform>
        </translation>
    </message>
    <message id="lower range value">
        <source></source>
        <translation>lower range value</translation>
    </message>
    <message id="upper range value">
        <source></source>
        <translation>upper range value</translation>
    </message>
    <message id="PV lower range limit">
        <source></source>
        <translation>PV lower range limit</translation>
    </message>
    <message id="PV upper range limit">
        <source></source>
        <translation>PV upper range limit</translation>
    </message>
    <message id="its %s is not a number" numerus="yes">
        <source></source>
        <translation>
            <numerusform>its %s is not a number</numerusform>
            <numerusform>its %s is not a number</numerusform>
        </translation>
    </message>
    <message id="its %s %s lies outside the sensor limits %s to %s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>its %s %s lies outside the sensor limits %s to %s</numerusform>
            <numerusform>its %s %s lies outside the sensor limits %s to %s</numerusform>
        </translation>
    </message>
    <message id="its zero trim is not a number">
        <source></source>
        <translation>its zero trim is not a number</translation>
    </message>
    <message id="its damping %s s lies outside 0 to 100 s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>its damping time %s s lies outside 0 s to 100 s</numerusform>
            <numerusform>its damping time %s s lies outside 0 s to 100 s</numerusform>
        </translation>
    </message>
    <message id="its transfer function code %d is neither linear nor square root" numerus="yes">
        <source></source>
        <translation>
            <numerusform>its transfer function code %d is neither linear nor square root</numerusform>
            <numerusform>its transfer function code %d is neither linear nor square root</numerusform>
        </translation>
    </message>
    <message id="it claims %d temperature points (at most %d)" numerus="yes">
        <source></source>
        <translation>
            <numerusform>it claims %d temperature points (%d at most)</numerusform>
            <numerusform>it claims %d temperature points (%d at most)</numerusform>
        </translation>
    </message>
    <message id="the device">
        <source></source>
        <translation>the device</translation>
    </message>
    <message id="%.4f to %.4f %s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%.4f to %.4f %s</numerusform>
            <numerusform>%.4f to %.4f %s</numerusform>
        </translation>
    </message>
    <message id="Open Index File Error">
        <source></source>
        <translation>Cannot open the file</translation>
    </message>
    <message id="Not a configuration file (%lld bytes, %d expected)" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Not a configuration file (%lld bytes, %d expected)</numerusform>
            <numerusform>Not a configuration file (%lld bytes, %d expected)</numerusform>
        </translation>
    </message>
    <message id="no records are kept (Records=none in the settings)">
        <source></source>
        <translation>no records are kept (Records=none in the settings)</translation>
    </message>
    <message id="no records yet (%1 does not exist)">
        <source></source>
        <translation>no records yet (%1 does not exist)</translation>
    </message>
    <message id="%1 record">
        <source></source>
        <translation>%1 record</translation>
    </message>
    <message id="%1 records">
        <source></source>
        <translation>%1 records</translation>
    </message>
    <message id="Long Address">
        <source></source>
        <translation>Long address</translation>
    </message>
    <message id="Last Seen">
        <source></source>
        <translation>Last seen</translation>
    </message>
    <message id="Records">
        <source></source>
        <translation>Records</translation>
    </message>
    <message id="Station">
        <source></source>
        <translation>Station</translation>
    </message>
    <message id="User">
        <source></source>
        <translation>User</translation>
    </message>
    <message id="Operation">
        <source></source>
        <translation>Operation</translation>
    </message>
    <message id="Detail">
        <source></source>
        <translation>Detail</translation>
    </message>
    <message id="Result">
        <source></source>
        <translation>Result</translation>
    </message>
    <message id="Refresh">
        <source></source>
        <translation>Refresh</translation>
    </message>
    <message id="Compare...">
        <source></source>
        <translation>Compare...</translation>
    </message>
    <message id="Export CSV...">
        <source></source>
        <translation>Export CSV...</translation>
    </message>
    <message id="(not identified)">
        <source></source>
        <translation>(not identified)</translation>
    </message>
    <message id="Records cannot be read: %1">
        <source></source>
        <translation>Records cannot be read: %1</translation>
    </message>
    <message id="Reading the records...">
        <source></source>
        <translation>Reading the records...</translation>
    </message>
    <message id="The records hold no devices">
        <source></source>
        <translation>The records hold no devices</translation>
    </message>
    <message id="%1 newest of %2 shown">
        <source></source>
        <translation>Newest %1 of %2 shown</translation>
    </message>
    <message id="%1 shown">
        <source></source>
        <translation>%1 shown</translation>
    </message>
    <message id="CSV (*.csv)">
        <source></source>
        <translation>CSV file (*.csv)</translation>
    </message>
    <message id="Left:">
        <source></source>
        <translation>Left:</translation>
    </message>
    <message id="Right:">
        <source></source>
        <translation>Right:</translation>
    </message>
    <message id="Value">
        <source></source>
        <translation>Value</translation>
    </message>
    <message id="Left">
        <source></source>
        <translation>Left</translation>
    </message>
    <message id="Right">
        <source></source>
        <translation>Right</translation>
    </message>
    <message id="File %1">
        <source></source>
        <translation>File %1</translation>
    </message>
    <message id="The device, read at %1">
        <source></source>
        <translation>The device, read at %1</translation>
    </message>
    <message id="The image cannot be read: %1">
        <source></source>
        <translation>The image cannot be read: %1</translation>
    </message>
    <message id="The record keeps no image">
        <source></source>
        <translation>The record keeps no image</translation>
    </message>
    <message id="The record's image has %1 bytes, not %2">
        <source></source>
        <translation>The record&apos;s image has %1 bytes, not %2</translation>
    </message>
    <message id="The two images hold the same values">
        <source></source>
        <translation>The two images hold the same values</translation>
    </message>
    <message id="1 value differs">
        <source></source>
        <translation>1 value differs</translation>
    </message>
    <message id="%1 values differ">
        <source></source>
        <translation>%1 values differ</translation>
    </message>
    <message id="Records: off">
        <source></source>
        <translation>Records: off</translation>
    </message>
    <message id="Records: off (%1)">
        <source></source>
        <translation>Records: off (%1)</translation>
    </message>
    <message id="Records: %1 not yet saved (%2)">
        <source></source>
        <translation>Records: %1 not yet saved (%2)</translation>
    </message>
    <message id="Records are off: %1">
        <source></source>
        <translation>Records are off: %1</translation>
    </message>
    <message id="poll %1">
        <source></source>
        <translation>polling address %1</translation>
    </message>
    <message id="not written">
        <source></source>
        <translation>not written</translation>
    </message>
    <message id="no reply">
        <source></source>
        <translation>no reply</translation>
    </message>
    <message id=", wrong check byte">
        <source></source>
        <translation>, wrong check byte</translation>
    </message>
    <message id=", incomplete">
        <source></source>
        <translation>, incomplete</translation>
    </message>
    <message id=", after %1 frame not answering the request">
        <source></source>
        <translation>, after %1 frame not answering the request</translation>
    </message>
    <message id=", after %1 frames not answering the request">
        <source></source>
        <translation>, after %1 frames not answering the request</translation>
    </message>
    <message id="Short frame, %1">
        <source></source>
        <translation>Short frame, %1</translation>
    </message>
    <message id="No reply">
        <source></source>
        <translation>No reply</translation>
    </message>
    <message id="Reply with a wrong check byte">
        <source></source>
        <translation>Reply with a wrong check byte</translation>
    </message>
    <message id="Incomplete reply">
        <source></source>
        <translation>Incomplete reply</translation>
    </message>
    <message id="The device received a corrupted request">
        <source></source>
        <translation>The device received a corrupted request</translation>
    </message>
    <message id="Communication status 0x%1">
        <source></source>
        <translation>Communication status 0x%1</translation>
    </message>
    <message id="response code %1: %2">
        <source></source>
        <translation>response code %1: %2</translation>
    </message>
    <message id="; warning, %1">
        <source></source>
        <translation>; warning, %1</translation>
    </message>
    <message id="; refused, %1">
        <source></source>
        <translation>; refused, %1</translation>
    </message>
    <message id="Device status 0x%1 (command %2)">
        <source></source>
        <translation>Device status 0x%1 (command %2)</translation>
    </message>
    <message id="Response code %1">
        <source></source>
        <translation>Response code %1</translation>
    </message>
    <message id="Device reports %d temperature points (1 to 8 can be compensated)" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Device reports %d temperature points (1 to 8 can be compensated)</numerusform>
            <numerusform>Device reports %d temperature points (1 to 8 can be compensated)</numerusform>
        </translation>
    </message>
    <message id="Reset?">
        <source></source>
        <translation>Reset the device?</translation>
    </message>
    <message id="Restore Factory Default">
        <source></source>
        <translation>Restore the factory default configuration?</translation>
    </message>
    <message id="The device's factory default configuration is restored.">
        <source></source>
        <translation>The device&apos;s factory default configuration is restored.</translation>
    </message>
    <message id="Cancel The Factory Calibration?">
        <source></source>
        <translation>Cancel the factory calibration?</translation>
    </message>
    <message id="The device's factory calibration is cancelled.">
        <source></source>
        <translation>The device&apos;s factory calibration is cancelled.</translation>
    </message>
    <message id="The thermal compensation backup could not be kept, so nothing was sent to the device.">
        <source></source>
        <translation>The thermal compensation backup could not be kept, so nothing was sent to the device.</translation>
    </message>
    <message id="Thermal compensation cancelled on %s. Its values are kept in %s." numerus="yes">
        <source></source>
        <translation>
            <numerusform>Thermal compensation cancelled on %s. Its values are kept in %s.</numerusform>
            <numerusform>Thermal compensation cancelled on %s. Its values are kept in %s.</numerusform>
        </translation>
    </message>
    <message id="No thermal compensation backup for this device">
        <source></source>
        <translation>No thermal compensation backup for this device</translation>
    </message>
    <message id="Thermal compensation restored on %s." numerus="yes">
        <source></source>
        <translation>
            <numerusform>Thermal compensation restored on %s.</numerusform>
            <numerusform>Thermal compensation restored on %s.</numerusform>
        </translation>
    </message>
    <message id="Manufacturer">
        <source></source>
        <translation>Manufacturer</translation>
    </message>
    <message id="Device Type">
        <source></source>
        <translation>Device type</translation>
    </message>
    <message id="Device ID">
        <source></source>
        <translation>Device ID</translation>
    </message>
    <message id="Cancel">
        <source></source>
        <translation>Cancel</translation>
    </message>
    <message id="Succeed">
        <source></source>
        <translation>Succeeded</translation>
    </message>
    <message id="fail to send">
        <source></source>
        <translation>Sending failed</translation>
    </message>
    <message id="No response,timeout!">
        <source></source>
        <translation>No response, timed out</translation>
    </message>
    <message id="Check code error">
        <source></source>
        <translation>Check byte error</translation>
    </message>
    <message id="Unknown error">
        <source></source>
        <translation>Unknown error</translation>
    </message>
    <message id="Reply too short">
        <source></source>
        <translation>Reply too short</translation>
    </message>
    <message id="Device received a corrupted request">
        <source></source>
        <translation>Device received a corrupted request</translation>
    </message>
    <message id="Not in proper current mode">
        <source></source>
        <translation>Not in proper current mode</translation>
    </message>
    <message id="In multidrop mode">
        <source></source>
        <translation>In multidrop mode</translation>
    </message>
    <message id="Undefined">
        <source></source>
        <translation>Undefined</translation>
    </message>
    <message id="Invalid selection">
        <source></source>
        <translation>Invalid selection</translation>
    </message>
    <message id="Passed parameter too large">
        <source></source>
        <translation>Passed parameter too large</translation>
    </message>
    <message id="Passed parameter too small">
        <source></source>
        <translation>Passed parameter too small</translation>
    </message>
    <message id="Too few data bytes received">
        <source></source>
        <translation>Too few data bytes received</translation>
    </message>
    <message id="Device-specific command error">
        <source></source>
        <translation>Device-specific command error</translation>
    </message>
    <message id="In write protect mode">
        <source></source>
        <translation>In write protect mode</translation>
    </message>
    <message id="Set to nearest possible value">
        <source></source>
        <translation>Set to nearest possible value</translation>
    </message>
    <message id="Lower range value too high">
        <source></source>
        <translation>Lower range value too high</translation>
    </message>
    <message id="Lower range value too low">
        <source></source>
        <translation>Lower range value too low</translation>
    </message>
    <message id="Upper range value too high">
        <source></source>
        <translation>Upper range value too high</translation>
    </message>
    <message id="Upper range value too low">
        <source></source>
        <translation>Upper range value too low</translation>
    </message>
    <message id="Upper and lower range values out of limits">
        <source></source>
        <translation>Upper and lower range values out of limits</translation>
    </message>
    <message id="Span too small">
        <source></source>
        <translation>Span too small</translation>
    </message>
    <message id="Access restricted">
        <source></source>
        <translation>Access restricted</translation>
    </message>
    <message id="Invalid span">
        <source></source>
        <translation>Invalid span</translation>
    </message>
    <message id="Busy">
        <source></source>
        <translation>Busy</translation>
    </message>
    <message id="Delayed response initiated">
        <source></source>
        <translation>Delayed response initiated</translation>
    </message>
    <message id="Delayed response running">
        <source></source>
        <translation>Delayed response running</translation>
    </message>
    <message id="Delayed response dead">
        <source></source>
        <translation>Delayed response dead</translation>
    </message>
    <message id="Delayed response conflict">
        <source></source>
        <translation>Delayed response conflict</translation>
    </message>
    <message id="Command not implemented">
        <source></source>
        <translation>Command not implemented</translation>
    </message>
    <message id="Response code %d" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Response code %d</numerusform>
            <numerusform>Response code %d</numerusform>
        </translation>
    </message>
    <message id="Communication Failure: %s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Communication failure: %s</numerusform>
            <numerusform>Communication failure: %s</numerusform>
        </translation>
    </message>
    <message id="Communication Failure:%s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Communication failure: %s</numerusform>
            <numerusform>Communication failure: %s</numerusform>
        </translation>
    </message>
    <message id="Online %d Device" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Devices online: %d</numerusform>
            <numerusform>Devices online: %d</numerusform>
        </translation>
    </message>
    <message id="Search stopped at address %d: no device found" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Search stopped at address %d: no device found</numerusform>
            <numerusform>Search stopped at address %d: no device found</numerusform>
        </translation>
    </message>
    <message id="Search stopped at address %d: 1 device found (%s)" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Search stopped at address %d: 1 device found (%s)</numerusform>
            <numerusform>Search stopped at address %d: 1 device found (%s)</numerusform>
        </translation>
    </message>
    <message id="Search stopped at address %d: %d devices found (%s)" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Search stopped at address %d: %d devices found (%s)</numerusform>
            <numerusform>Search stopped at address %d: %d devices found (%s)</numerusform>
        </translation>
    </message>
    <message id="The loop current is fixed at %.3f mA. Return the loop to automatic control?" numerus="yes">
        <source></source>
        <translation>
            <numerusform>The loop current is fixed at %.3f mA. Return the loop to automatic control?</numerusform>
            <numerusform>The loop current is fixed at %.3f mA. Return the loop to automatic control?</numerusform>
        </translation>
    </message>
    <message id="Please enter a number: %s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Please enter a number: %s</numerusform>
            <numerusform>Please enter a number: %s</numerusform>
        </translation>
    </message>
    <message id="Please select: %s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Please select: %s</numerusform>
            <numerusform>Please select: %s</numerusform>
        </translation>
    </message>
    <message id="Calibration Points">
        <source></source>
        <translation>Calibration Points</translation>
    </message>
    <message id="Temperature Point">
        <source></source>
        <translation>Temperature Point</translation>
    </message>
    <message id="Temperature Values">
        <source></source>
        <translation>Temperature Values</translation>
    </message>
    <message id="Calibration Rows">
        <source></source>
        <translation>Calibration Rows</translation>
    </message>
    <message id="Current Temperature">
        <source></source>
        <translation>Current Temperature</translation>
    </message>
    <message id="Range：">
        <source></source>
        <translation>Range:</translation>
    </message>
    <message id="Pv over range">
        <source></source>
        <translation>PV over range</translation>
    </message>
    <message id="Simple acceptance">
        <source></source>
        <translation>Simple acceptance</translation>
    </message>
    <message id="Guarded by the reference uncertainty">
        <source></source>
        <translation>Guarded by the reference uncertainty</translation>
    </message>
    <message id="% of span">
        <source></source>
        <translation>% of span</translation>
    </message>
    <message id="Start As Found">
        <source></source>
        <translation>Start As Found</translation>
    </message>
    <message id="Start As Left">
        <source></source>
        <translation>Start As Left</translation>
    </message>
    <message id="Save Certificate...">
        <source></source>
        <translation>Save Certificate...</translation>
    </message>
    <message id="Point">
        <source></source>
        <translation>Point</translation>
    </message>
    <message id="Nominal">
        <source></source>
        <translation>Nominal</translation>
    </message>
    <message id="PV">
        <source></source>
        <translation>PV</translation>
    </message>
    <message id="PV error">
        <source></source>
        <translation>PV error</translation>
    </message>
    <message id="mA error">
        <source></source>
        <translation>mA error</translation>
    </message>
    <message id="Loop &amp;&amp; PGA Settings">
        <source></source>
        <translation>Loop &amp;&amp; PGA Settings</translation>
    </message>
    <message id="PASS">
        <source></source>
        <translation>PASS</translation>
    </message>
    <message id="FAIL">
        <source></source>
        <translation>FAIL</translation>
    </message>
    <message id="As found">
        <source></source>
        <translation>As found</translation>
    </message>
    <message id="As left">
        <source></source>
        <translation>As left</translation>
    </message>
    <message id="Loop Current">
        <source></source>
        <translation>Loop Current</translation>
    </message>
    <message id="Loop Current Trend Chart">
        <source></source>
        <translation>Loop Current Trend Chart</translation>
    </message>
    <message id="current">
        <source></source>
        <translation>current</translation>
    </message>
    <message id="Percentage">
        <source></source>
        <translation>Percentage</translation>
    </message>
    <message id="Percentage Trend Chart">
        <source></source>
        <translation>Percentage Trend Chart</translation>
    </message>
    <message id="percentage">
        <source></source>
        <translation>percentage</translation>
    </message>
    <message id="PV Trend Chart">
        <source></source>
        <translation>PV Trend Chart</translation>
    </message>
    <message id="current (mA)">
        <source></source>
        <translation>current (mA)</translation>
    </message>
    <message id="percentage (%)">
        <source></source>
        <translation>percentage (%)</translation>
    </message>
    <message id="Loop Trend Chart">
        <source></source>
        <translation>Loop Trend Chart</translation>
    </message>
    <message id="time">
        <source></source>
        <translation>time</translation>
    </message>
    <message id="unit">
        <source></source>
        <translation>unit</translation>
    </message>
    <message id="The device at address %1">
        <source></source>
        <translation>The device at address %1</translation>
    </message>
    <message id="%1 answered: long address %2">
        <source></source>
        <translation>%1 answered: long address %2</translation>
    </message>
    <message id="No device answered at address %1">
        <source></source>
        <translation>No device answered at address %1</translation>
    </message>
    <message id="Serial port">
        <source></source>
        <translation>Serial port</translation>
    </message>
    <message id="HART-IP">
        <source></source>
        <translation>HART-IP</translation>
    </message>
    <message id="UDP">
        <source></source>
        <translation>UDP</translation>
    </message>
    <message id="TCP">
        <source></source>
        <translation>TCP</translation>
    </message>
    <message id="Tolerant">
        <source></source>
        <translation>Tolerant</translation>
    </message>
    <message id="HART standard">
        <source></source>
        <translation>HART standard</translation>
    </message>
    <message id="22.8mA">
        <source></source>
        <translation>22.8 mA</translation>
    </message>
    <message id="2 decimals">
        <source></source>
        <translation>2 decimals</translation>
    </message>
    <message id="3 decimals">
        <source></source>
        <translation>3 decimals</translation>
    </message>
    <message id="Language">
        <source></source>
        <translation>Language</translation>
    </message>
    <message id="As built">
        <source></source>
        <translation>As built</translation>
    </message>
    <message id="Please choose a port: Serial Port">
        <source></source>
        <translation>Please choose a port: Serial Port</translation>
    </message>
    <message id="Read Version ERRO">
        <source></source>
        <translation>Reading the versions failed</translation>
    </message>
    <message id="1 sample">
        <source></source>
        <translation>1 sample</translation>
    </message>
    <message id="%1 samples">
        <source></source>
        <translation>%1 samples</translation>
    </message>
    <message id="square root">
        <source></source>
        <translation>square root</translation>
    </message>
    <message id="linear">
        <source></source>
        <translation>linear</translation>
    </message>
    <message id="NOT READ">
        <source></source>
        <translation>NOT READ</translation>
    </message>
    <message id="Long address">
        <source></source>
        <translation>Long address</translation>
    </message>
    <message id="Device type">
        <source></source>
        <translation>Device type</translation>
    </message>
    <message id="Device id">
        <source></source>
        <translation>Device id</translation>
    </message>
    <message id="Lot id">
        <source></source>
        <translation>Lot id</translation>
    </message>
    <message id="Versions">
        <source></source>
        <translation>Versions</translation>
    </message>
    <message id="Sensor limits">
        <source></source>
        <translation>Sensor limits</translation>
    </message>
    <message id="Transfer function">
        <source></source>
        <translation>Transfer function</translation>
    </message>
    <message id="Damping">
        <source></source>
        <translation>Damping</translation>
    </message>
    <message id="Method">
        <source></source>
        <translation>Method</translation>
    </message>
    <message id="Test points">
        <source></source>
        <translation>Test points</translation>
    </message>
    <message id="Current tolerance">
        <source></source>
        <translation>Current tolerance</translation>
    </message>
    <message id="Uncertainty">
        <source></source>
        <translation>Uncertainty</translation>
    </message>
    <message id="as found">
        <source></source>
        <translation>as found</translation>
    </message>
    <message id="as left">
        <source></source>
        <translation>as left</translation>
    </message>
    <message id="Checked by">
        <source></source>
        <translation>Checked by</translation>
    </message>
    <message id="Approved by">
        <source></source>
        <translation>Approved by</translation>
    </message>
    <message id="certificate">
        <source></source>
        <translation>certificate</translation>
    </message>
    <message id="run">
        <source></source>
        <translation>run</translation>
    </message>
    <message id="point %">
        <source></source>
        <translation>point %</translation>
    </message>
    <message id="direction">
        <source></source>
        <translation>direction</translation>
    </message>
    <message id="nominal">
        <source></source>
        <translation>nominal</translation>
    </message>
    <message id="reference">
        <source></source>
        <translation>reference</translation>
    </message>
    <message id="pv">
        <source></source>
        <translation>pv</translation>
    </message>
    <message id="pv error % of span">
        <source></source>
        <translation>pv error % of span</translation>
    </message>
    <message id="expected mA">
        <source></source>
        <translation>expected mA</translation>
    </message>
    <message id="measured mA">
        <source></source>
        <translation>measured mA</translation>
    </message>
    <message id="current error % of span">
        <source></source>
        <translation>current error % of span</translation>
    </message>
    <message id="result">
        <source></source>
        <translation>result</translation>
    </message>
    <message id="Please enter a host: HART-IP Host">
        <source></source>
        <translation>Please enter a host: HART-IP Host</translation>
    </message>
    <message id="A host name has no spaces: HART-IP Host">
        <source></source>
        <translation>A host name has no spaces: HART-IP Host</translation>
    </message>
    <message id="Please enter a port from 1 to 65535: HART-IP Port">
        <source></source>
        <translation>Please enter a port from 1 to 65535: HART-IP Port</translation>
    </message>
    <message id="%s (not present)" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%s (not present)</numerusform>
            <numerusform>%s (not present)</numerusform>
        </translation>
    </message>
    <message id="Write %s into the device?" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Write %s into the device?</numerusform>
            <numerusform>Write %s into the device?</numerusform>
        </translation>
    </message>
    <message id="Tag: %s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Tag: %s</numerusform>
            <numerusform>Tag: %s</numerusform>
        </translation>
    </message>
    <message id="PV range: %s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>PV range: %s</numerusform>
            <numerusform>PV range: %s</numerusform>
        </translation>
    </message>
    <message id="The device's whole configuration will be overwritten with the file's.">
        <source></source>
        <translation>The device&apos;s whole configuration will be overwritten with the file&apos;s.</translation>
    </message>
    <message id="%s cannot be written into a device: %s." numerus="yes">
        <source></source>
        <translation>
            <numerusform>%s cannot be written into a device: %s.</numerusform>
            <numerusform>%s cannot be written into a device: %s.</numerusform>
        </translation>
    </message>
    <message id="Nothing was sent.">
        <source></source>
        <translation>Nothing was sent.</translation>
    </message>
    <message id="The device at station number %d is %s, not %s." numerus="yes">
        <source></source>
        <translation>
            <numerusform>The device at station number %d is %s, not %s.</numerusform>
            <numerusform>The device at station number %d is %s, not %s.</numerusform>
        </translation>
    </message>
    <message id="Nothing was read.">
        <source></source>
        <translation>Nothing was read.</translation>
    </message>
    <message id="%1 newest that contain %2 shown (of %3)">
        <source></source>
        <translation>Newest %1 that contain %2 shown (of %3)</translation>
    </message>
    <message id="%1 of %2 contain %3">
        <source></source>
        <translation>%1 of %2 contain %3</translation>
    </message>
    <message id="Cancel the thermal compensation of %s?" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Cancel the thermal compensation of %s?</numerusform>
            <numerusform>Cancel the thermal compensation of %s?</numerusform>
        </translation>
    </message>
    <message id="The device's factory thermal compensation (%d temperature points) will be overwritten. Its present values are kept in %s first, so that %s can put them back." numerus="yes">
        <source></source>
        <translation>
            <numerusform>The device&apos;s factory thermal compensation (%d temperature points) will be overwritten. Its present values are kept in %s first, so that %s can put them back.</numerusform>
            <numerusform>The device&apos;s factory thermal compensation (%d temperature points) will be overwritten. Its present values are kept in %s first, so that %s can put them back.</numerusform>
        </translation>
    </message>
    <message id="Restore the thermal compensation of %s from %s?" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Restore the thermal compensation of %s from %s?</numerusform>
            <numerusform>Restore the thermal compensation of %s from %s?</numerusform>
        </translation>
    </message>
    <message id="The device's present thermal compensation (%d temperature points) will be overwritten." numerus="yes">
        <source></source>
        <translation>
            <numerusform>The device&apos;s present thermal compensation (%d temperature points) will be overwritten.</numerusform>
            <numerusform>The device&apos;s present thermal compensation (%d temperature points) will be overwritten.</numerusform>
        </translation>
    </message>
    <message id="Room Temprt %d" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Room Temperature %d</numerusform>
            <numerusform>Room Temperature %d</numerusform>
        </translation>
    </message>
    <message id="Uncertainty unit">
        <source></source>
        <translation>Uncertainty unit</translation>
    </message>
    <message id="%s of %s in %s: %d of %d points read" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%s of %s in %s: %d of %d points read</numerusform>
            <numerusform>%s of %s in %s: %d of %d points read</numerusform>
        </translation>
    </message>
    <message id=", reading...">
        <source></source>
        <translation>, reading...</translation>
    </message>
    <message id=": ">
        <source></source>
        <translation>: </translation>
    </message>
    <message id="not run">
        <source></source>
        <translation>not run</translation>
    </message>
    <message id="%d of %d points read" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%d of %d points read</numerusform>
            <numerusform>%d of %d points read</numerusform>
        </translation>
    </message>
    <message id=" - largest errors PV %s %%, loop current %s %% of span" numerus="yes">
        <source></source>
        <translation>
            <numerusform> - largest errors PV %s %%, loop current %s %% of span</numerusform>
            <numerusform> - largest errors PV %s %%, loop current %s %% of span</numerusform>
        </translation>
    </message>
    <message id="; hysteresis PV %.3f %%, loop current %.3f %%" numerus="yes">
        <source></source>
        <translation>
            <numerusform>; hysteresis PV %.3f %%, loop current %.3f %%</numerusform>
            <numerusform>; hysteresis PV %.3f %%, loop current %.3f %%</numerusform>
        </translation>
    </message>
    <message id="INCOMPLETE">
        <source></source>
        <translation>INCOMPLETE</translation>
    </message>
    <message id="simple acceptance">
        <source></source>
        <translation>simple acceptance</translation>
    </message>
    <message id="guarded by the reference uncertainty (%s %% of span)" numerus="yes">
        <source></source>
        <translation>
            <numerusform>guarded by the reference uncertainty (%s %% of span)</numerusform>
            <numerusform>guarded by the reference uncertainty (%s %% of span)</numerusform>
        </translation>
    </message>
    <message id="%s %% of span (k = 2)" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%s %% of span (k = 2)</numerusform>
            <numerusform>%s %% of span (k = 2)</numerusform>
        </translation>
    </message>
    <message id="%s %s (k = 2), %s %% of span" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%s %s (k = 2), %s %% of span</numerusform>
            <numerusform>%s %s (k = 2), %s %% of span</numerusform>
        </translation>
    </message>
    <message id="PV ±%s %% of span, loop current ±%s %% of span" numerus="yes">
        <source></source>
        <translation>
            <numerusform>PV ±%s %% of span, loop current ±%s %% of span</numerusform>
            <numerusform>PV ±%s %% of span, loop current ±%s %% of span</numerusform>
        </translation>
    </message>
    <message id="Calibration Certificate">
        <source></source>
        <translation>Calibration Certificate</translation>
    </message>
    <message id="Pressure transmitter checked against a reference, as found and as left">
        <source></source>
        <translation>Pressure transmitter checked against a reference, as found and as left</translation>
    </message>
    <message id="No. %s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>No. %s</numerusform>
            <numerusform>No. %s</numerusform>
        </translation>
    </message>
    <message id="Issued %s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Issued %s</numerusform>
            <numerusform>Issued %s</numerusform>
        </translation>
    </message>
    <message id="comparison with the reference at %d points, %d rising and %d falling" numerus="yes">
        <source></source>
        <translation>
            <numerusform>comparison with the reference at %d points, %d rising and %d falling</numerusform>
            <numerusform>comparison with the reference at %d points, %d rising and %d falling</numerusform>
        </translation>
    </message>
    <message id="%s %% of range" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%s %% of range</numerusform>
            <numerusform>%s %% of range</numerusform>
        </translation>
    </message>
    <message id="±%s %% of span" numerus="yes">
        <source></source>
        <translation>
            <numerusform>±%s %% of span</numerusform>
            <numerusform>±%s %% of span</numerusform>
        </translation>
    </message>
    <message id="±%s %% of span (16 mA)" numerus="yes">
        <source></source>
        <translation>
            <numerusform>±%s %% of span (16 mA)</numerusform>
            <numerusform>±%s %% of span (16 mA)</numerusform>
        </translation>
    </message>
    <message id="%s °C, %s %% relative humidity" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%s °C, %s %% relative humidity</numerusform>
            <numerusform>%s °C, %s %% relative humidity</numerusform>
        </translation>
    </message>
    <message id="Device">
        <source></source>
        <translation>Device</translation>
    </message>
    <message id="Method, reference and ambient">
        <source></source>
        <translation>Method, reference and ambient</translation>
    </message>
    <message id="none (no point read both ways)">
        <source></source>
        <translation>none (no point read both ways)</translation>
    </message>
    <message id="PV %s, loop current %s %% of span" numerus="yes">
        <source></source>
        <translation>
            <numerusform>PV %s, loop current %s %% of span</numerusform>
            <numerusform>PV %s, loop current %s %% of span</numerusform>
        </translation>
    </message>
    <message id="not adjusted: the as-found result stands">
        <source></source>
        <translation>not adjusted: the as-found result stands</translation>
    </message>
    <message id="largest error PV %s %%, current %s %%" numerus="yes">
        <source></source>
        <translation>
            <numerusform>largest error PV %s %%, current %s %%</numerusform>
            <numerusform>largest error PV %s %%, current %s %%</numerusform>
        </translation>
    </message>
    <message id="±%s %% of span for the PV and the loop current" numerus="yes">
        <source></source>
        <translation>
            <numerusform>±%s %% of span for the PV and the loop current</numerusform>
            <numerusform>±%s %% of span for the PV and the loop current</numerusform>
        </translation>
    </message>
    <message id="Tolerance %s; %s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Tolerance %s; %s</numerusform>
            <numerusform>Tolerance %s; %s</numerusform>
        </translation>
    </message>
    <message id=", PV range %s, %s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>, PV range %s, %s</numerusform>
            <numerusform>, PV range %s, %s</numerusform>
        </translation>
    </message>
    <message id="↑ approached rising, ↓ approached falling; errors positive when the reading is high.">
        <source></source>
        <translation>↑ approached rising, ↓ approached falling; errors positive when the reading is high.</translation>
    </message>
    <message id="The device was not adjusted: the as-found readings stand as left.">
        <source></source>
        <translation>The device was not adjusted: the as-found readings stand as left.</translation>
    </message>
    <message id="PV error against input, both runs, with the tolerance band">
        <source></source>
        <translation>PV error against input, both runs, with the tolerance band</translation>
    </message>
    <message id="tolerance +%s %%" numerus="yes">
        <source></source>
        <translation>
            <numerusform>tolerance +%s %%</numerusform>
            <numerusform>tolerance +%s %%</numerusform>
        </translation>
    </message>
    <message id="tolerance -%s %%" numerus="yes">
        <source></source>
        <translation>
            <numerusform>tolerance -%s %%</numerusform>
            <numerusform>tolerance -%s %%</numerusform>
        </translation>
    </message>
    <message id="input (% of range)">
        <source></source>
        <translation>input (% of range)</translation>
    </message>
    <message id="PV error (% of span)">
        <source></source>
        <translation>PV error (% of span)</translation>
    </message>
    <message id="guarded limit ±%s %%" numerus="yes">
        <source></source>
        <translation>
            <numerusform>guarded limit ±%s %%</numerusform>
            <numerusform>guarded limit ±%s %%</numerusform>
        </translation>
    </message>
    <message id="Signatures">
        <source></source>
        <translation>Signatures</translation>
    </message>
    <message id="name">
        <source></source>
        <translation>name</translation>
    </message>
    <message id="signature">
        <source></source>
        <translation>signature</translation>
    </message>
    <message id="date">
        <source></source>
        <translation>date</translation>
    </message>
    <message id="Station %s, issued %s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Station %s, issued %s</numerusform>
            <numerusform>Station %s, issued %s</numerusform>
        </translation>
    </message>
    <message id=" by %s" numerus="yes">
        <source></source>
        <translation>
            <numerusform> by %s</numerusform>
            <numerusform> by %s</numerusform>
        </translation>
    </message>
    <message id="Calibration certificate %s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Calibration certificate %s</numerusform>
            <numerusform>Calibration certificate %s</numerusform>
        </translation>
    </message>
    <message id=", tag %s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>, tag %s</numerusform>
            <numerusform>, tag %s</numerusform>
        </translation>
    </message>
    <message id=", station %s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>, station %s</numerusform>
            <numerusform>, station %s</numerusform>
        </translation>
    </message>
    <message id="page %d of %d" numerus="yes">
        <source></source>
        <translation>
            <numerusform>page %d of %d</numerusform>
            <numerusform>page %d of %d</numerusform>
        </translation>
    </message>
    <message id="%d：">
        <source></source>
        <translation>%d:</translation>
    </message>
    <message id="Temperature Diodes errors : %d">
        <source></source>
        <translation>Temperature diode error: %d</translation>
    </message>
    <message id="AD count of point %d out of range">
        <source></source>
        <translation>AD count of point %d out of range</translation>
    </message>
    <message id="Test points: %s">
        <source></source>
        <translation>Test points: %s</translation>
    </message>
    <message id="Calibration due: the reference standard was due for calibration on %s and may not be used for a check.">
        <source></source>
        <translation>Calibration due: the reference standard was due for calibration on %s and may not be used for a check.</translation>
    </message>
    <message id="The readings at %s did not settle within %d s: four in a row must agree within %.4f %s and %.4f mA. The point is not read; hold the pressure steady and read it again.">
        <source></source>
        <translation>The readings at %s did not settle within %d s: four in a row must agree within %.4f %s and %.4f mA. The point is not read; hold the pressure steady and read it again.</translation>
    </message>
    <message id="The reference reading at %s is not a number: %s">
        <source></source>
        <translation>The reference reading at %s is not a number: %s</translation>
    </message>
    <message id="Certificate saved: %s">
        <source></source>
        <translation>Certificate saved: %s</translation>
    </message>
    <message id="This run has more samples than are kept. The file holds the last %lld; the %lld before them were dropped.">
        <source></source>
        <translation>This run has more samples than are kept. The file holds the last %lld; the %lld before them were dropped.</translation>
    </message>
    <message id="Device History cannot be shown: %s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Device History cannot be shown: %s</numerusform>
            <numerusform>Device History cannot be shown: %s</numerusform>
        </translation>
    </message>
    <message id="Download complete: %d blocks written to %s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Download complete: %d blocks written to %s</numerusform>
            <numerusform>Download complete: %d blocks written to %s</numerusform>
        </translation>
    </message>
    <message id="Compare - %1">
        <source></source>
        <translation>Compare - %1</translation>
    </message>
    <message id="Reading the device's uploads and downloads...">
        <source></source>
        <translation>Reading the device&apos;s uploads and downloads...</translation>
    </message>
    <message id="Choose an image">
        <source></source>
        <translation>Choose an image</translation>
    </message>
    <message id="The records cannot be read: %1">
        <source></source>
        <translation>The records cannot be read: %1</translation>
    </message>
    <message id="Reading the device...">
        <source></source>
        <translation>Reading the device...</translation>
    </message>
    <message id="The device was not read">
        <source></source>
        <translation>The device was not read</translation>
    </message>
    <message id="Reading the image...">
        <source></source>
        <translation>Reading the image...</translation>
    </message>
    <message id="Choose an image on each side">
        <source></source>
        <translation>Choose an image on each side</translation>
    </message>
    <message id="Asking address %1 ...">
        <source></source>
        <translation>Asking address %1 ...</translation>
    </message>
    <message id="largest errors: PV %s, loop current %s %% of span; hysteresis: " numerus="yes">
        <source></source>
        <translation>
            <numerusform>largest errors: PV %s, loop current %s %% of span; hysteresis: </numerusform>
            <numerusform>largest errors: PV %s, loop current %s %% of span; hysteresis: </numerusform>
        </translation>
    </message>
    <message id="Could not save %1: %2">
        <source></source>
        <translation>Could not save %1: %2</translation>
    </message>
    <message id="PV error&#xa;% of span">
        <source></source>
        <translation>PV error
% of span</translation>
    </message>
    <message id="Expected&#xa;mA">
        <source></source>
        <translation>Expected
mA</translation>
    </message>
    <message id="Measured&#xa;mA">
        <source></source>
        <translation>Measured
mA</translation>
    </message>
    <message id="mA error&#xa;% of span">
        <source></source>
        <translation>mA error
% of span</translation>
    </message>
    <message id="a new run was started">
        <source></source>
        <translation>a new run was started</translation>
    </message>
    <message id="Stopped">
        <source></source>
        <translation>Stopped</translation>
    </message>
    <message id="the page was left">
        <source></source>
        <translation>the page was left</translation>
    </message>
    <message id="INCOMPLETE: %s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>INCOMPLETE: %s</numerusform>
            <numerusform>INCOMPLETE: %s</numerusform>
        </translation>
    </message>
    <message id="The as-found run was interrupted (%s) and is incomplete: run it again before saving a certificate.">
        <source></source>
        <translation>The as-found run was interrupted (%s) and is incomplete: run it again before saving a certificate.</translation>
    </message>
    <message id="The as-found run is not finished: %d of %d points are not read.">
        <source></source>
        <translation>The as-found run is not finished: %d of %d points are not read.</translation>
    </message>
    <message id="The as-left run was interrupted (%s) and is incomplete: run it again before saving a certificate.">
        <source></source>
        <translation>The as-left run was interrupted (%s) and is incomplete: run it again before saving a certificate.</translation>
    </message>
    <message id="The as-left run is not finished: %d of %d points are not read.">
        <source></source>
        <translation>The as-left run is not finished: %d of %d points are not read.</translation>
    </message>
    <message id="The as-found run was made on device %s and the as-left run on device %s: one certificate is for one device." numerus="yes">
        <source></source>
        <translation>
            <numerusform>The as-found run was made on device %s and the as-left run on device %s: one certificate is for one device.</numerusform>
            <numerusform>The as-found run was made on device %s and the as-left run on device %s: one certificate is for one device.</numerusform>
        </translation>
    </message>
    <message id="The as-found and as-left runs were made with different tolerances, decision rules or reference uncertainties: run the as-left check again with the as-found set-up.">
        <source></source>
        <translation>The as-found and as-left runs were made with different tolerances, decision rules or reference uncertainties: run the as-left check again with the as-found set-up.</translation>
    </message>
    <message id="The certificate cannot be saved: %s." numerus="yes">
        <source></source>
        <translation>
            <numerusform>The certificate cannot be saved: %s.</numerusform>
            <numerusform>The certificate cannot be saved: %s.</numerusform>
        </translation>
    </message>
    <message id="PV out of limits">
        <source></source>
        <translation>PV out of limits</translation>
    </message>
    <message id="Non-PV out of limits">
        <source></source>
        <translation>Non-PV out of limits</translation>
    </message>
    <message id="Loop current saturated">
        <source></source>
        <translation>Loop current saturated</translation>
    </message>
    <message id="Loop current fixed">
        <source></source>
        <translation>Loop current fixed</translation>
    </message>
    <message id="More status available">
        <source></source>
        <translation>More status available</translation>
    </message>
    <message id="Cold start">
        <source></source>
        <translation>Cold start</translation>
    </message>
    <message id="Configuration changed">
        <source></source>
        <translation>Configuration changed</translation>
    </message>
    <message id="Field device malfunction">
        <source></source>
        <translation>Field device malfunction</translation>
    </message>
    <message id="20.8 mA">
        <source></source>
        <translation>20.8 mA</translation>
    </message>
    <message id="3.8 mA">
        <source></source>
        <translation>3.8 mA</translation>
    </message>
    <message id="saturated">
        <source></source>
        <translation>saturated</translation>
    </message>
    <message id="point %d: '%s' is not a number" numerus="yes">
        <source></source>
        <translation>
            <numerusform>point %d: &apos;%s&apos; is not a number</numerusform>
            <numerusform>point %d: &apos;%s&apos; is not a number</numerusform>
        </translation>
    </message>
    <message id="no points; a check takes %d to %d" numerus="yes">
        <source></source>
        <translation>
            <numerusform>no points; a check takes %d to %d</numerusform>
            <numerusform>no points; a check takes %d to %d</numerusform>
        </translation>
    </message>
    <message id="1 point; a check takes %d to %d" numerus="yes">
        <source></source>
        <translation>
            <numerusform>1 point; a check takes %d to %d</numerusform>
            <numerusform>1 point; a check takes %d to %d</numerusform>
        </translation>
    </message>
    <message id="%d points; a check takes %d to %d" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%d points; a check takes %d to %d</numerusform>
            <numerusform>%d points; a check takes %d to %d</numerusform>
        </translation>
    </message>
    <message id="the PV range %s is not a pair of numbers">
        <source></source>
        <translation>the PV range %s is not a pair of numbers</translation>
    </message>
    <message id="the PV range %s has no span">
        <source></source>
        <translation>the PV range %s has no span</translation>
    </message>
    <message id="%s: %s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%s: %s</numerusform>
            <numerusform>%s: %s</numerusform>
        </translation>
    </message>
    <message id="the %s run is incomplete: 1 of 1 point is not read" numerus="yes">
        <source></source>
        <translation>
            <numerusform>the %s run is incomplete: 1 of 1 point is not read</numerusform>
            <numerusform>the %s run is incomplete: 1 of 1 point is not read</numerusform>
        </translation>
    </message>
    <message id="the %s run is incomplete: 1 of %d points is not read" numerus="yes">
        <source></source>
        <translation>
            <numerusform>the %s run is incomplete: 1 of %d points is not read</numerusform>
            <numerusform>the %s run is incomplete: 1 of %d points is not read</numerusform>
        </translation>
    </message>
    <message id="the %s run is incomplete: %d of %d points are not read" numerus="yes">
        <source></source>
        <translation>
            <numerusform>the %s run is incomplete: %d of %d points are not read</numerusform>
            <numerusform>the %s run is incomplete: %d of %d points are not read</numerusform>
        </translation>
    </message>
    <message id="the certificate has no number">
        <source></source>
        <translation>the certificate has no number</translation>
    </message>
    <message id="there is no as-found run">
        <source></source>
        <translation>there is no as-found run</translation>
    </message>
    <message id="as-found">
        <source></source>
        <translation>as-found</translation>
    </message>
    <message id="as-left">
        <source></source>
        <translation>as-left</translation>
    </message>
    <message id="station">
        <source></source>
        <translation>station</translation>
    </message>
    <message id="user">
        <source></source>
        <translation>user</translation>
    </message>
    <message id="device">
        <source></source>
        <translation>device</translation>
    </message>
    <message id="tag">
        <source></source>
        <translation>tag</translation>
    </message>
    <message id="operation">
        <source></source>
        <translation>operation</translation>
    </message>
    <message id="detail">
        <source></source>
        <translation>detail</translation>
    </message>
    <message id="The check cannot start: %s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>The check cannot start: %s</numerusform>
            <numerusform>The check cannot start: %s</numerusform>
        </translation>
    </message>
    <message id="The device gives its sensor limits in %s and its PV range in %s: the test points cannot be checked against the sensor limits." numerus="yes">
        <source></source>
        <translation>
            <numerusform>The device gives its sensor limits in %s and its PV range in %s: the test points cannot be checked against the sensor limits.</numerusform>
            <numerusform>The device gives its sensor limits in %s and its PV range in %s: the test points cannot be checked against the sensor limits.</numerusform>
        </translation>
    </message>
    <message id=" and ">
        <source></source>
        <translation> and </translation>
    </message>
    <message id=", ">
        <source></source>
        <translation>, </translation>
    </message>
    <message id="%s lies outside the sensor limits %s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%s lies outside the sensor limits %s</numerusform>
            <numerusform>%s lies outside the sensor limits %s</numerusform>
        </translation>
    </message>
    <message id="%s lie outside the sensor limits %s" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%s lie outside the sensor limits %s</numerusform>
            <numerusform>%s lie outside the sensor limits %s</numerusform>
        </translation>
    </message>
    <message id="%d test points; a check takes %d to %d" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%d test points; a check takes %d to %d</numerusform>
            <numerusform>%d test points; a check takes %d to %d</numerusform>
        </translation>
    </message>
    <message id="the tolerances must be above 0 % of span">
        <source></source>
        <translation>the tolerances must be above 0 % of span</translation>
    </message>
    <message id="the reference's uncertainty is in %s but the device's PV is in %s: type it again in %s or in %% of span" numerus="yes">
        <source></source>
        <translation>
            <numerusform>the reference&apos;s uncertainty is in %s but the device&apos;s PV is in %s: type it again in %s or in %% of span</numerusform>
            <numerusform>the reference&apos;s uncertainty is in %s but the device&apos;s PV is in %s: type it again in %s or in %% of span</numerusform>
        </translation>
    </message>
    <message id="the reference's uncertainty is not a number">
        <source></source>
        <translation>the reference&apos;s uncertainty is not a number</translation>
    </message>
    <message id="the reference's uncertainty %s %% of span leaves no room in the tolerance %s %% of span: no point could pass the guarded rule" numerus="yes">
        <source></source>
        <translation>
            <numerusform>the reference&apos;s uncertainty %s %% of span leaves no room in the tolerance %s %% of span: no point could pass the guarded rule</numerusform>
            <numerusform>the reference&apos;s uncertainty %s %% of span leaves no room in the tolerance %s %% of span: no point could pass the guarded rule</numerusform>
        </translation>
    </message>
    <message id="device status: no bit set">
        <source></source>
        <translation>OK</translation>
    </message>
</context>
</TS>

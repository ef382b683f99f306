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
    <message id="Device History cannot be shown: ">
        <source></source>
        <translation>Device History cannot be shown: </translation>
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
    <message id="Download complete: ">
        <source></source>
        <translation>Download complete: </translation>
    </message>
    <message id="The device at station number ">
        <source></source>
        <translation>The device at station number </translation>
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
    <message id="Compare - ">
        <source></source>
        <translation>Compare - </translation>
    </message>
    <message id="Reading the device's uploads and downloads...">
        <source></source>
        <translation>Reading the device&apos;s uploads and downloads...</translation>
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
    <message id="Choose an image">
        <source></source>
        <translation>Choose an image</translation>
    </message>
    <message id="The records cannot be read: ">
        <source></source>
        <translation>The records cannot be read: </translation>
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
    <message id="Temperature Diodes errors : ">
        <source></source>
        <translation>Temperature diode errors: </translation>
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
    <message id="Test points: ">
        <source></source>
        <translation>Test points: </translation>
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
    <message id="Calibration due: the reference standard was due for calibration on ">
        <source></source>
        <translation>Calibration due: the reference standard was due for calibration on </translation>
    </message>
    <message id="Technician: please enter the name of who makes the check.">
        <source></source>
        <translation>Technician: please enter the name of who makes the check.</translation>
    </message>
    <message id="Start As Found or Start As Left first.">
        <source></source>
        <translation>Start As Found or Start As Left first.</translation>
    </message>
    <message id="The reference reading at ">
        <source></source>
        <translation>The reference reading at </translation>
    </message>
    <message id="The certificate could not be drawn.">
        <source></source>
        <translation>The certificate could not be drawn.</translation>
    </message>
    <message id="Certificate saved: ">
        <source></source>
        <translation>Certificate saved: </translation>
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
    <message id="OK" numerus="yes">
        <source></source>
        <translation>
            <numerusform>OK</numerusform>
            <numerusform>OK</numerusform>
        </translation>
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
</context>
</TS>
